#!/usr/bin/env node
// The extraction velko --read does, written with cheerio, for side-by-side
// timing: for each page, the title, the meta tags' content by name or
// http-equiv, the made link and the last comment, as one JSON line.
// Usage: NODE_PATH=.../node_modules node read_meta.js PAGE...

const fs = require('fs');
const cheerio = require('cheerio');

function readPage(bytes) {
    let text = bytes.toString('utf8');
    let encoding = 'UTF-8';
    if (text.includes('\ufffd')) {
        text = bytes.toString('latin1');
        encoding = 'windows-1252';
    }
    const $ = cheerio.load(text);
    const form = {};
    const title = $('title').last();
    if (title.length) form.title = title.text().trim();
    $('meta').each((_, meta) => {
        const key = $(meta).attr('name') || $(meta).attr('http-equiv');
        const content = $(meta).attr('content');
        if (key && content !== undefined) form[key.toLowerCase()] = content;
    });
    $('link').each((_, link) => {
        if (($(link).attr('rev') || '').toLowerCase() === 'made') form.made = $(link).attr('href') || '';
    });
    // Comments in document order, the last one winning.
    const walk = (node) => {
        for (const child of node.children || []) {
            if (child.type === 'comment') form.comment = child.data.trim();
            walk(child);
        }
    };
    walk($.root()[0]);
    return { encoding, form };
}

for (const page of process.argv.slice(2)) {
    const { encoding, form } = readPage(fs.readFileSync(page));
    process.stdout.write(JSON.stringify({ file: page, encoding, form }) + '\n');
}
