namespace kzp { int anchor_xbase() { return 0; } }
