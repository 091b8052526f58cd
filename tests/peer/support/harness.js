'use strict';
// Test helpers: start the server as its own process, send requests the way
// the gSOAP client writes them, read replies back.

const fs = require('fs');
const os = require('os');
const net = require('net');
const path = require('path');
const http = require('http');
const { spawn } = require('child_process');
const { DOMParser } = require('@xmldom/xmldom');
const { SERVICES } = require('../lib/services');
const { readRequest } = require('../lib/envelope');
const { validate } = require('../lib/validate');

const ROOT = path.join(__dirname, '..');
const SOAP11 = 'http://schemas.xmlsoap.org/soap/envelope/';
const XSI = 'http://www.w3.org/2001/XMLSchema-instance';
const service = Object.fromEntries(SERVICES.map((s) => [s.prefix, s]));

async function waitForFile(file, child) {
  for (let i = 0; i < 250; i++) {
    if (child.exitCode !== null) throw new Error(`server exited with ${child.exitCode}`);
    if (fs.existsSync(file) && fs.readFileSync(file, 'utf8').trim()) return fs.readFileSync(file, 'utf8').trim();
    await new Promise((r) => setTimeout(r, 20));
  }
  throw new Error(`${file} did not appear`);
}

async function startPeer() {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'peer-test-'));
  const files = { port: path.join(dir, 'port'), pid: path.join(dir, 'pid'), log: path.join(dir, 'log') };
  const child = spawn(process.execPath, [path.join(ROOT, 'server.js'), '--port', '0',
    '--port-file', files.port, '--pid-file', files.pid, '--log', files.log], { stdio: 'inherit' });
  const port = Number(await waitForFile(files.port, child));
  return {
    port,
    files,
    log: () => fs.readFileSync(files.log, 'utf8'),
    control: (method, p, body) => control(port, method, p, body),
    call: (prefix, inner, opts) => call(port, prefix, inner, opts),
    async stop() {
      child.kill('SIGTERM');
      if (child.exitCode === null) await new Promise((r) => child.once('exit', r));
      fs.rmSync(dir, { recursive: true, force: true });
    },
  };
}

function request(port, { method = 'POST', path: p, headers = {}, body = '' }) {
  return new Promise((resolve, reject) => {
    const req = http.request({ host: '127.0.0.1', port, method, path: p, headers, agent: false }, (res) => {
      const chunks = [];
      res.on('data', (c) => chunks.push(c));
      res.on('end', () => resolve({ status: res.statusCode, headers: res.headers, body: Buffer.concat(chunks) }));
      res.on('error', reject);
    });
    req.on('error', reject);
    req.end(body);
  });
}

// Sends raw bytes and collects every byte until the server closes.
function rawExchange(port, bytes) {
  return new Promise((resolve, reject) => {
    const sock = net.connect(port, '127.0.0.1');
    const chunks = [];
    sock.on('data', (c) => chunks.push(c));
    sock.on('close', () => resolve(Buffer.concat(chunks)));
    sock.on('error', reject);
    sock.end(bytes);
  });
}

async function control(port, method, p, body) {
  const res = await request(port, {
    method,
    path: p,
    headers: { 'Content-Type': 'application/json' },
    body: body === undefined ? '' : JSON.stringify(body),
  });
  return { status: res.status, json: JSON.parse(res.body.toString('utf8')) };
}

// The envelope as gSOAP 2.8 writes it: every namespace on the Envelope, the
// request element qualified by the service prefix, members unqualified.
function envelope(prefix, inner, namespace = service[prefix].namespace) {
  return '<?xml version="1.0" encoding="UTF-8"?>\n' +
    '<SOAP-ENV:Envelope xmlns:SOAP-ENV="http://schemas.xmlsoap.org/soap/envelope/" ' +
    'xmlns:SOAP-ENC="http://schemas.xmlsoap.org/soap/encoding/" ' +
    'xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" ' +
    'xmlns:xsd="http://www.w3.org/2001/XMLSchema" ' +
    `xmlns:${prefix}="${namespace}"><SOAP-ENV:Body>${inner}</SOAP-ENV:Body></SOAP-ENV:Envelope>`;
}

function gsoapHeaders(extra = {}) {
  return {
    'User-Agent': 'gSOAP/2.8',
    'Content-Type': 'text/xml; charset=utf-8',
    Connection: 'close',
    'Accept-Encoding': 'gzip,deflate',
    SOAPAction: '""',
    ...extra,
  };
}

// MTOM package as gSOAP sends it: the envelope as root part, one part per
// attachment, referenced from the envelope by "cid:<id>".
function mtom(envelopeXml, attachments) {
  const boundary = '==Kv7uTestBoundary4f1c0a==';
  const parts = [Buffer.from(`--${boundary}\r\nContent-Type: application/xop+xml; charset=utf-8; type="text/xml"\r\n` +
    `Content-Transfer-Encoding: binary\r\nContent-ID: <SOAP-ENV:Envelope>\r\n\r\n${envelopeXml}\r\n`)];
  for (const [id, bytes] of Object.entries(attachments)) {
    parts.push(Buffer.from(`--${boundary}\r\nContent-Type: application/octet-stream\r\n` +
      `Content-Transfer-Encoding: binary\r\nContent-ID: <${id}>\r\n\r\n`), bytes, Buffer.from('\r\n'));
  }
  parts.push(Buffer.from(`--${boundary}--`));
  return {
    body: Buffer.concat(parts),
    contentType: `multipart/related; charset=utf-8; boundary="${boundary}"; type="application/xop+xml"; ` +
      'start="<SOAP-ENV:Envelope>"; start-info="text/xml"',
  };
}

function call(port, prefix, inner, { headers = {}, body, contentType, namespace } = {}) {
  const s = service[prefix];
  return request(port, {
    path: s.path,
    headers: gsoapHeaders({ ...headers, ...(contentType ? { 'Content-Type': contentType } : {}) }),
    body: body || envelope(prefix, inner, namespace),
  }).then((res) => ({ ...res, text: res.body.toString('utf8') }));
}

function bodyChild(xml) {
  const doc = new DOMParser().parseFromString(xml, 'text/xml');
  const env = doc.documentElement;
  if (env.namespaceURI !== SOAP11 || env.localName !== 'Envelope') throw new Error(`no SOAP envelope: ${xml}`);
  for (let b = env.firstChild; b; b = b.nextSibling) {
    if (b.nodeType !== 1 || b.localName !== 'Body') continue;
    for (let c = b.firstChild; c; c = c.nextSibling) if (c.nodeType === 1) return c;
  }
  throw new Error(`empty Body: ${xml}`);
}

// Element -> plain object: text for leaves, arrays for repeated children,
// "$type" for an xsi:type. Members must be unqualified; a qualified one throws.
function toObj(el) {
  const kids = [];
  for (let c = el.firstChild; c; c = c.nextSibling) if (c.nodeType === 1) kids.push(c);
  const type = el.getAttributeNS(XSI, 'type');
  if (!kids.length && !type) return el.textContent;
  const out = type ? { $type: type } : {};
  for (const k of kids) {
    if (k.namespaceURI) throw new Error(`member <${k.nodeName}> is qualified`);
    const v = toObj(k);
    if (k.localName in out) out[k.localName] = [].concat(out[k.localName], [v]);
    else out[k.localName] = v;
  }
  return out;
}

const list = (v) => (v === undefined ? [] : [].concat(v));

// Reads a reply: {name, ns, value} of the Body's child; fails the test when
// the reply does not validate against the service's own schema.
async function reply(res, prefix) {
  const el = bodyChild(res.text);
  if (el.localName !== 'Fault') {
    const { bodyChildXml } = readRequest(Buffer.from(res.text), 'text/xml');
    const problem = await validate(bodyChildXml, path.join(ROOT, 'xsd', `${service[prefix].name}.xsd`));
    if (problem) throw new Error(`reply does not match the schema: ${problem}\n${res.text}`);
  }
  return { name: el.localName, ns: el.namespaceURI, value: toObj(el) };
}

// A SOAP 1.1 fault: code, text and the detail's Exception element.
function fault(res) {
  const el = bodyChild(res.text);
  if (el.localName !== 'Fault') throw new Error(`no fault: ${res.text}`);
  const child = (parent, name) => {
    for (let c = parent && parent.firstChild; c; c = c.nextSibling) if (c.nodeType === 1 && c.localName === name) return c;
    return null;
  };
  const exception = child(child(el, 'detail'), 'Exception');
  return {
    faultcode: child(el, 'faultcode').textContent,
    faultstring: child(el, 'faultstring').textContent,
    exception: exception && { ns: exception.namespaceURI, prefix: exception.prefix, message: child(exception, 'message').textContent },
  };
}

module.exports = {
  startPeer, request, rawExchange, envelope, gsoapHeaders, mtom, reply, fault, list, service, SOAP11,
};
