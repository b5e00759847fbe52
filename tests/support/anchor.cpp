namespace kzp { int anchorSupport() { return 0; } }
