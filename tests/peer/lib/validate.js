'use strict';
// Schema check of one document through xmllint (Debian package libxml2-utils),
// one process per request.

const { spawn } = require('child_process');

// Resolves to null when the document is valid, else to the problems xmllint
// names, without its "-:LINE: element X: Schemas validity error :" prefixes.
function validate(xml, xsdFile) {
  return new Promise((resolve, reject) => {
    const child = spawn('xmllint', ['--noout', '--nonet', '--schema', xsdFile, '-'], {
      stdio: ['pipe', 'ignore', 'pipe'],
    });
    let err = '';
    child.stderr.setEncoding('utf8');
    child.stderr.on('data', (d) => { err += d; });
    child.on('error', (e) => reject(new Error(`cannot run xmllint: ${e.message}`)));
    child.on('close', (code) => {
      if (code === 0) return resolve(null);
      const problems = err.split('\n')
        .filter((l) => l && !/^- fails to validate$/.test(l) && !/^\s*\^?\s*$/.test(l))
        .map((l) => l.replace(/^-:\d+: (?:element \S+: )?/, '').replace(/^Schemas validity error : /, ''))
        .filter((l) => /error|Element|element/.test(l));
      resolve(problems.length ? problems.join('; ') : `xmllint exited with ${code}`);
    });
    child.stdin.on('error', () => {});
    child.stdin.end(xml);
  });
}

module.exports = { validate };
