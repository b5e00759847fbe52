namespace kzp { int anchor_report() { return 0; } }
