// The WebAssembly is inside this script: it must work from a USB stick, where a page may fetch
// nothing. The build writes it in place of the placeholder below as a string of one character a
// byte (embed_module.py), which compresses almost as well as the bytes themselves (base64 made
// the page a quarter heavier), and the module is handed the bytes rather than fetching them.
Module['wasmBinary'] = ((text) => {
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; i++) {
        bytes[i] = text.charCodeAt(i);
    }
    return bytes;
})('@WEBASSEMBLY@');
