# Ends the test's sound server when the test process is gone, however it ended (even SIGKILL
# from a timeout): the read returns when the last write end of the pipe on stdin closes. Each
# line of $1/pids is a process and its name; a process is only stopped while its name still
# matches, so a number taken over by another program is left alone.
read -r _ignored
stop() {
    while read -r pid name; do
        grep -qx "$name" "/proc/$pid/comm" 2>/dev/null && kill "$1" "$pid"
    done < "$2/pids"
}
if [ -f "$1/pids" ]; then stop -TERM "$1"; sleep 1; stop -KILL "$1"; fi
rm -rf "$1"
