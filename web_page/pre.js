// The WebAssembly is inside this script (it must work from a USB stick, where a page may fetch
// nothing). Without fetch, the module decodes it at once instead of first asking for its own
// data: URL, which the page's Content-Security-Policy refuses.
// eslint-disable-next-line no-unused-vars, no-var
var fetch;
// The browser's own base64 decoder, where it has one, decodes the WebAssembly in well under a
// millisecond; the module's own loop over its characters took ten before the first answer.
if (typeof Uint8Array.fromBase64 === 'function') {
    // eslint-disable-next-line no-func-assign, no-global-assign, no-undef
    intArrayFromBase64 = (text) => Uint8Array.fromBase64(text);
}
