namespace orvex_host { int placeholder() { return 0; } }
