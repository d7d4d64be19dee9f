// The shared library's own translation unit: everything it exports is defined
// in orvcore, which is linked in whole.
