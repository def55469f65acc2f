// Keeps the core library non-empty until the framework lands.
