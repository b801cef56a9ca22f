// The WebAssembly is inside this script (it must work from a USB stick, where a page may fetch
// nothing). Without fetch, the module decodes it at once instead of first asking for its own
// data: URL, which the page's Content-Security-Policy refuses.
// eslint-disable-next-line no-unused-vars, no-var
var fetch;
