namespace kzp { int anchor_hr() { return 0; } }
