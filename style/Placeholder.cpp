// Removed once the engine has sources of its own.
