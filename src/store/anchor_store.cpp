namespace kzp { int anchor_store() { return 0; } }
