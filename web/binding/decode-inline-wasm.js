// The WebAssembly sits inside this script. It is decoded from there, not fetched from its data:
// address, which a page served with a strict content security policy may not fetch.
Module['instantiateWasm'] = function (imports, receive) {
  WebAssembly.instantiate(tryParseAsDataURI(wasmBinaryFile), imports).then(function (result) {
    receive(result.instance, result.module);
  }, readyPromiseReject);
  return {};
};
