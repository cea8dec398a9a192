# (main window: to be written)
