-- WirePlumber leaves without a session bus (the flatpak portal wants one) and would take the
-- machine's real cards: it loads only what routes streams and keeps defaults.
default_access.properties["enable-flatpak-portal"] = false
load_module("metadata")
default_access.enable()
device_defaults.enable()
stream_defaults.enable()
load_script("intended-roles.lua")
load_script("suspend-node.lua")
