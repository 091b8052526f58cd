#!/usr/bin/env node
'use strict';
// Test server for the nine SOAP services, on 127.0.0.1 only.
//
//   node server.js [--port N] [--port-file FILE] [--pid-file FILE] [--log FILE]
//
// Port 0 picks a free port; the port file is written once the server listens.
// Every request to a service path is checked against the service's schema
// before node-soap handles it; /control/... drives the server from tests
// (see README.md).
//
// node-soap runs without an http binding of its own: soap.listen(null, ...)
// only builds its Server object (lib/services.js), and processRequest() runs
// one request through _processRequestXml into an in-memory response. Status,
// headers, cookies, gzip and framing of the reply are written here.

const fs = require('fs');
const http = require('http');
const path = require('path');
const zlib = require('zlib');
const { Store } = require('./lib/store');
const { loadServices } = require('./lib/services');
const { readRequest, faultEnvelope, RequestError } = require('./lib/envelope');
const { validate } = require('./lib/validate');

const HOST = '127.0.0.1';
const KEPT_REQUESTS = 200;

function parseArgs(argv) {
  const opts = { port: 0, portFile: null, pidFile: null, log: null };
  const names = { '--port': 'port', '--port-file': 'portFile', '--pid-file': 'pidFile', '--log': 'log' };
  for (let i = 0; i < argv.length; i += 2) {
    const key = names[argv[i]];
    if (!key || argv[i + 1] === undefined) throw new Error(`usage: server.js [--port N] [--port-file F] [--pid-file F] [--log F] (bad argument "${argv[i]}")`);
    opts[key] = key === 'port' ? Number(argv[i + 1]) : argv[i + 1];
  }
  if (!Number.isInteger(opts.port) || opts.port < 0 || opts.port > 65535) throw new Error('--port needs a number 0..65535');
  return opts;
}

function writeAtomically(file, text) {
  const tmp = `${file}.${process.pid}.tmp`;
  fs.writeFileSync(tmp, text);
  fs.renameSync(tmp, file);
}

// Cookie header -> {name: value}; takes the RFC 2109 form gSOAP sends
// ("$Version=1;JSESSIONID=abc;$Path=\"/RUVU\"") and the plain one.
function parseCookies(header) {
  const out = {};
  for (const item of (header || '').split(/[;,]/)) {
    const i = item.indexOf('=');
    if (i <= 0) continue;
    const name = item.slice(0, i).trim();
    if (name.startsWith('$')) continue;
    out[name] = item.slice(i + 1).trim().replace(/^"(.*)"$/, '$1');
  }
  return out;
}

class PeerServer {
  constructor(opts) {
    this.opts = opts;
    this.store = new Store();
    this.stalled = new Set();
    this.resetControls();
  }

  resetControls() {
    this.setCookies = [];
    this.redirects = [];
    this.canned = [];
    this.faults = [];
    this.gzip = false;
    this.requests = [];
    for (const s of this.stalled) s.destroy();
    this.stalled.clear();
  }

  log(line) {
    if (this.opts.log) fs.appendFileSync(this.opts.log, `${new Date().toISOString()} ${line}\n`);
  }

  async start() {
    this.services = await loadServices(this.store);
    this.byPath = new Map(this.services.map((s) => [s.path, s]));
    // The schema worker runs before the first request, so that a missing
    // python3-lxml fails the start and not a test.
    await validate('<start/>', this.services[0].xsd);
    this.http = http.createServer((req, res) => {
      this.onRequest(req, res).catch((e) => {
        this.log(`internal error: ${e.stack || e}`);
        if (!res.headersSent) res.writeHead(500, { 'Content-Type': 'text/plain' });
        res.end(String(e));
      });
    });
    await new Promise((resolve, reject) => {
      this.http.once('error', reject);
      this.http.listen(this.opts.port, HOST, resolve);
    });
    this.port = this.http.address().port;
    this.log(`listening on ${HOST}:${this.port}`);
    return this.port;
  }

  stop() {
    for (const s of this.stalled) s.destroy();
    return new Promise((resolve) => {
      this.http.close(() => resolve());
      this.http.closeAllConnections();
    });
  }

  async onRequest(req, res) {
    const chunks = [];
    for await (const c of req) chunks.push(c);
    const body = Buffer.concat(chunks);
    const urlPath = new URL(req.url, `http://${HOST}`).pathname;
    if (urlPath.startsWith('/control/')) return this.control(req, res, urlPath, body);

    this.record(req, urlPath, body);
    const canned = this.take(this.canned, urlPath);
    if (canned) {
      this.log(`${req.method} ${urlPath} -> canned ${canned.mode || ''} ${canned.status || 200}`);
      return this.sendCanned(req.socket, canned);
    }
    const redirect = this.take(this.redirects, urlPath);
    if (redirect) {
      this.log(`${req.method} ${urlPath} -> 302 ${redirect.location}`);
      res.writeHead(302, { Location: redirect.location, 'Content-Length': 0, ...this.cookieHeader() });
      return res.end();
    }

    const service = this.byPath.get(urlPath.replace(/\/$/, ''));
    if (!service || req.method !== 'POST') {
      this.log(`${req.method} ${urlPath} -> 404`);
      res.writeHead(404, { 'Content-Type': 'text/plain' });
      return res.end(`no SOAP service answers ${req.method} ${urlPath}\n`);
    }
    return this.serve(req, res, service, body);
  }

  async serve(req, res, service, body) {
    const reject = (problem) => {
      this.log(`POST ${service.path} -> 500 rejected: ${problem}`);
      this.sendSoap(res, 500, faultEnvelope('Client', problem, service));
    };
    let request;
    try {
      request = readRequest(body, req.headers['content-type']);
    } catch (e) {
      if (e instanceof RequestError) return reject(e.message);
      throw e;
    }
    const problem = await validate(request.bodyChildXml, service.xsd);
    if (problem) return reject(`schema validation failed: ${problem}`);
    const { namespace, localName, node } = request.element;
    if (namespace !== service.namespace || !service.operations.includes(localName)) {
      return reject(`{${namespace}}${localName} is no operation of ${service.name}`);
    }
    // The schema lets a member declared with a derived type leave out its
    // xsi:type; the wire form does not.
    const untyped = service.schema.untypedDerived(node);
    if (untyped.length) return reject(`xsi:type missing: ${untyped.join('; ')}`);
    const fault = this.take(this.faults, localName, 'operation');
    if (fault) {
      this.log(`POST ${service.path} ${localName} -> 500 fault ${fault.text}`);
      return this.sendSoap(res, 500, faultEnvelope('Server', fault.text, service));
    }
    const out = await service.soap.processRequest(request.text, { url: req.url, method: 'POST', headers: req.headers });
    this.log(`POST ${service.path} ${localName} -> ${out.statusCode}`);
    this.sendSoap(res, out.statusCode, out.body);
  }

  cookieHeader() {
    return this.setCookies.length ? { 'Set-Cookie': this.setCookies } : {};
  }

  sendSoap(res, status, xml) {
    let payload = Buffer.from(xml, 'utf8');
    const headers = { 'Content-Type': 'text/xml; charset=utf-8', ...this.cookieHeader() };
    if (this.gzip) {
      payload = zlib.gzipSync(payload);
      headers['Content-Encoding'] = 'gzip';
    }
    headers['Content-Length'] = payload.length;
    res.writeHead(status, headers);
    res.end(payload);
  }

  // First queued entry for this path (or for any path), used once.
  take(queue, urlPath, field = 'path') {
    const i = queue.findIndex((e) => !e[field] || e[field] === urlPath);
    if (i < 0) return null;
    const entry = queue[i];
    if (!(--entry.count > 0)) queue.splice(i, 1);
    return entry;
  }

  // Canned replies go straight to the socket, so that status line, headers
  // and framing are exactly as given (also when they are wrong on purpose).
  sendCanned(socket, c) {
    const status = c.status || 200;
    const body = Buffer.from(c.body || '', 'utf8');
    const lines = [];
    const given = new Set();
    for (const [k, v] of Object.entries(c.headers || {})) {
      given.add(k.toLowerCase());
      for (const one of Array.isArray(v) ? v : [v]) lines.push(`${k}: ${one}`);
    }
    if (!given.has('content-type') && body.length) lines.push('Content-Type: text/xml; charset=utf-8');
    if (!given.has('content-length')) lines.push(`Content-Length: ${body.length + (c.mode === 'truncate' ? 64 : 0)}`);
    if (!given.has('connection')) lines.push('Connection: close');
    const head = Buffer.from(`HTTP/1.1 ${status} ${c.reason || http.STATUS_CODES[status] || 'Status'}\r\n${lines.join('\r\n')}\r\n\r\n`, 'utf8');
    if (c.mode === 'stall') {
      this.stalled.add(socket);
      socket.on('close', () => this.stalled.delete(socket));
    } else if (c.mode === 'close-after-headers') {
      socket.end(head);
    } else {
      socket.end(Buffer.concat([head, body]));
    }
  }

  record(req, urlPath, body) {
    this.requests.push({
      method: req.method,
      path: req.url,
      headers: req.headers,
      rawHeaders: req.rawHeaders,
      cookies: parseCookies(req.headers.cookie),
      body: body.toString('utf8'),
      bodyBase64: body.toString('base64'),
      pathname: urlPath,
    });
    if (this.requests.length > KEPT_REQUESTS) this.requests.shift();
  }

  control(req, res, urlPath, body) {
    const reply = (status, obj) => {
      res.writeHead(status, { 'Content-Type': 'application/json' });
      res.end(`${JSON.stringify(obj)}\n`);
    };
    let input = {};
    try {
      if (body.length) input = JSON.parse(body.toString('utf8'));
    } catch (e) {
      return reply(400, { error: `bad JSON: ${e.message}` });
    }
    const query = new URL(req.url, `http://${HOST}`).searchParams;
    const last = (list) => list.slice(-Math.max(0, Number(query.get('last') || list.length)));
    const key = `${req.method} ${urlPath}`;
    switch (key) {
      case 'POST /control/reset':
        this.store.reset();
        this.resetControls();
        return reply(200, { ok: true });
      case 'POST /control/cookies':
        this.setCookies = [].concat(input.setCookie || []);
        return reply(200, { ok: true });
      case 'GET /control/cookies':
        return reply(200, last(this.requests).map((r) => ({ path: r.pathname, header: r.headers.cookie ?? null, cookies: r.cookies })));
      case 'POST /control/redirect':
        if (!input.location) return reply(400, { error: 'location is required' });
        this.redirects.push({ location: input.location, path: input.path, count: input.count || 1 });
        return reply(200, { ok: true });
      case 'POST /control/gzip':
        this.gzip = !!input.on;
        return reply(200, { ok: true });
      case 'POST /control/canned': {
        const modes = [undefined, 'truncate', 'stall', 'close-after-headers'];
        if (!modes.includes(input.mode)) return reply(400, { error: `unknown mode "${input.mode}"` });
        this.canned.push({ ...input, count: input.count || 1 });
        return reply(200, { ok: true });
      }
      case 'POST /control/fault': {
        // The fault text the client parses: "[<infoCode>] <message>", or
        // `text` as given.
        let text = input.text;
        if (text === undefined) {
          if (!Number.isInteger(input.infoCode) || input.infoCode < 0) return reply(400, { error: 'infoCode or text is required' });
          text = `[${input.infoCode}] ${input.message || ''}`;
        }
        this.faults.push({ operation: input.operation, text: String(text), count: input.count || 1 });
        return reply(200, { ok: true });
      }
      case 'GET /control/requests':
        return reply(200, last(this.requests));
      default:
        return reply(404, { error: `no control ${key}` });
    }
  }
}

async function main() {
  let opts;
  try {
    opts = parseArgs(process.argv.slice(2));
  } catch (e) {
    process.stderr.write(`${e.message}\n`);
    process.exit(2);
  }
  for (const f of [opts.portFile, opts.pidFile, opts.log]) if (f) fs.mkdirSync(path.dirname(path.resolve(f)), { recursive: true });
  if (opts.portFile) fs.rmSync(opts.portFile, { force: true });
  if (opts.pidFile) writeAtomically(opts.pidFile, `${process.pid}\n`);

  const server = new PeerServer(opts);
  const port = await server.start();
  if (opts.portFile) writeAtomically(opts.portFile, `${port}\n`);
  else process.stdout.write(`listening on http://${HOST}:${port}\n`);

  const shutdown = () => {
    if (opts.portFile) fs.rmSync(opts.portFile, { force: true });
    server.stop().then(() => process.exit(0));
  };
  process.on('SIGTERM', shutdown);
  process.on('SIGINT', shutdown);
}

if (require.main === module) {
  main().catch((e) => {
    process.stderr.write(`peer server failed: ${e.stack || e}\n`);
    process.exit(1);
  });
}

module.exports = { PeerServer, parseCookies };
