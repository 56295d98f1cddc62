// Makes one HTML file of a page of the site, for a folder or a USB stick,
// where a browser may not let a page fetch its files: its stylesheet and
// scripts written into it, the core with its WebAssembly inside, the other
// page named by its own single file, and a content security policy that lets
// in that style and those scripts alone, by their hashes.
// Usage: node one_file.js <page.html> <site folder> <core with its WebAssembly inside> <output>
'use strict';

const crypto = require('crypto');
const fs = require('fs');
const path = require('path');

const [page, site, core, output] = process.argv.slice(2);
const hashes = { script: [], style: [] };
const hashed = (kind, text) => {
  hashes[kind].push(`'sha256-${crypto.createHash('sha256').update(text).digest('base64')}'`);
  return text;
};
const read = (file) => fs.readFileSync(file === 'core.js' ? core : path.join(site, file), 'utf8');

let html = fs.readFileSync(page, 'utf8');
// The scripts run at the body's end, in their order, as deferred ones would.
const scripts = [...html.matchAll(/<script src="([^"]+)" defer><\/script>\n/g)];
for (const [tag] of scripts) html = html.replace(tag, '');
html = html
  .replace('<link rel="manifest" href="manifest.webmanifest">\n', '')
  .replace(/<link rel="stylesheet" href="([^"]+)">/, (_, file) => `<style>${hashed('style', read(file))}</style>`)
  .replace('</body>', `${scripts.map(([, file]) => `<script>${hashed('script', read(file))}</script>\n`).join('')}</body>`)
  .replaceAll('data-page="karta.html"', 'data-page="parabolix-karta.html"')
  .replace(/content="default-src[^"]*"/, `content="default-src 'self'; script-src ${hashes.script.join(' ')} `
    + `'wasm-unsafe-eval'; style-src ${hashes.style.join(' ')}; object-src 'none'; base-uri 'none'"`);
fs.writeFileSync(output, html);
