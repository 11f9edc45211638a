namespace orvex { int systemPlaceholder() { return 0; } }
