// Placeholder so the library has a translation unit; remove when real sources land.
