namespace kzp { int anchor_widgets() { return 0; } }
