// What the browser's tests share: where the pages are, their addresses, and
// the keys a trace read.
'use strict';

const path = require('path');
const { pathToFileURL } = require('url');

const root = path.resolve(__dirname, '..', '..');
const webDir = path.resolve(root, process.env.MEBUKI_WEB_DIR || 'build-web');

// The page of program 1 or 2, from file://, with its parameters.
const pageUrl = (program, query) =>
  pathToFileURL(path.join(webDir, 'mebuki' + program + '.html')).href + (query ? '?' + query : '');

// The keys of the trace, in order.
function keysOf(trace) {
  return trace.split('\n').filter((l) => l.startsWith('{"op":"key"')).map((l) => JSON.parse(l).key);
}

module.exports = { root, webDir, pageUrl, keysOf };
