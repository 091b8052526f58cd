'use strict';
// Schema check of one document by libxml2 (the library of xmllint), in one
// long-lived worker process (lib/validate_worker.py on Debian's python3 with
// python3-lxml) that keeps every schema loaded. Documents go over its stdin
// as JSON lines and come back answered in order.

const path = require('path');
const readline = require('readline');
const { spawn } = require('child_process');

// Debian's interpreter, where python3-lxml is installed (a python3 found
// first on PATH may be another one).
const PYTHON = process.env.KV_PEER_PYTHON || '/usr/bin/python3';
const WORKER = path.join(__dirname, 'validate_worker.py');

class Validator {
  constructor() {
    this.child = null;
    this.waiting = [];
  }

  // Resolves to null when the document is valid, else to the problems
  // libxml2 names, joined by "; ".
  validate(xml, xsdFile) {
    return new Promise((resolve, reject) => {
      const child = this.worker();
      if (!this.waiting.length) this.hold(true);
      this.waiting.push({ resolve, reject });
      child.stdin.write(`${JSON.stringify({ xsd: xsdFile, xml })}\n`);
    });
  }

  worker() {
    if (this.child) return this.child;
    const child = spawn(PYTHON, [WORKER], { stdio: ['pipe', 'pipe', 'pipe'] });
    let err = '';
    child.stderr.setEncoding('utf8');
    child.stderr.on('data', (d) => { err += d; });
    readline.createInterface({ input: child.stdout }).on('line', (line) => {
      const next = this.waiting.shift();
      if (!next) return;
      if (!this.waiting.length) this.hold(false);
      try {
        const { problems } = JSON.parse(line);
        next.resolve(problems.length ? problems.join('; ') : null);
      } catch (e) {
        next.reject(new Error(`schema worker answered "${line}": ${e.message}`));
      }
    });
    const fail = (why) => {
      if (this.child !== child) return;
      this.child = null;
      const e = new Error(`schema worker ${why}${err ? `: ${err.trim()}` : ''}`);
      for (const w of this.waiting.splice(0)) w.reject(e);
    };
    child.on('error', (e) => fail(`cannot run ${PYTHON}: ${e.message}`));
    child.on('close', (code, signal) => fail(`exited with ${signal || code}`));
    child.stdin.on('error', () => {});
    child.stdin.unref();
    child.stderr.unref();
    this.child = child;
    return child;
  }

  // An idle worker keeps no process alive; one with documents to answer does.
  hold(on) {
    const { child } = this;
    if (!child) return;
    for (const h of [child, child.stdout]) if (on) h.ref(); else h.unref();
  }
}

const shared = new Validator();

function validate(xml, xsdFile) {
  return shared.validate(xml, xsdFile);
}

module.exports = { validate };
