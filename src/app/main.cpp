// The main window; filled in by the start-up work.
