'use strict';
// The /control/... endpoint: cookies, redirects, gzip, canned replies,
// recorded requests, reset; and the start/stop scripts.

const { test, before, after, beforeEach } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const { execFileSync } = require('child_process');
const { startPeer, request, rawExchange, envelope, gsoapHeaders, reply, service } = require('../support/harness');

let peer;
before(async () => { peer = await startPeer(); });
after(() => peer.stop());
beforeEach(() => peer.control('POST', '/control/reset'));

const LIST = '<CLASHRULE:listClashRules></CLASHRULE:listClashRules>';
const listRules = (opts) => peer.call('CLASHRULE', LIST, opts);

test('Set-Cookie headers go out as set; Cookie headers are recorded per request', async () => {
  await peer.control('POST', '/control/cookies', { setCookie: ['JSESSIONID=A1B2C3; Path=/RUVU', 'route=r7'] });
  const first = await listRules();
  assert.deepEqual(first.headers['set-cookie'], ['JSESSIONID=A1B2C3; Path=/RUVU', 'route=r7']);

  const styles = [
    '$Version=1;JSESSIONID=A1B2C3;$Path="/RUVU";route=r7;$Path="/RUVU"',
    '$Version=1; JSESSIONID="A1B2C3"; $Path="/RUVU"; route="r7"',
    'JSESSIONID=A1B2C3; route=r7',
  ];
  for (const cookie of styles) await listRules({ headers: { Cookie: cookie } });
  await peer.call('HOLERULE', '<HOLERULE:listHoleRules/>');

  const { json } = await peer.control('GET', '/control/cookies?last=4');
  assert.deepEqual(json.map((c) => [c.path, c.header, c.cookies]), [
    ...styles.map((s) => [service.CLASHRULE.path, s, { JSESSIONID: 'A1B2C3', route: 'r7' }]),
    [service.HOLERULE.path, null, {}],
  ]);
});

test('302 with Location for the next request to a path, as often as asked', async () => {
  const location = `http://127.0.0.1:${peer.port}/RUVU/webservice/clash/VXClashRuleWebService?moved=1`;
  await peer.control('POST', '/control/cookies', { setCookie: ['route=r9'] });
  await peer.control('POST', '/control/redirect', { location, path: service.CLASHRULE.path, count: 2 });

  const other = await peer.call('HOLERULE', '<HOLERULE:listHoleRules/>');
  assert.equal(other.status, 200, 'other paths are not redirected');
  for (let i = 0; i < 2; i++) {
    const moved = await listRules();
    assert.equal(moved.status, 302);
    assert.equal(moved.headers.location, location);
    assert.deepEqual(moved.headers['set-cookie'], ['route=r9']);
  }
  assert.equal((await listRules()).status, 200);
});

test('gzip replies while switched on', async () => {
  await peer.control('POST', '/control/gzip', { on: true });
  const zipped = await listRules();
  assert.equal(zipped.headers['content-encoding'], 'gzip');
  assert.equal(Number(zipped.headers['content-length']), zipped.body.length);
  const text = zlib.gunzipSync(zipped.body).toString('utf8');
  assert.equal((await reply({ text }, 'CLASHRULE')).name, 'listClashRulesResponse');

  await peer.control('POST', '/control/gzip', { on: false });
  const plain = await listRules();
  assert.equal(plain.headers['content-encoding'], undefined);
  assert.match(plain.text, /listClashRulesResponse/);
});

const SOAP11_FAULT = '<?xml version="1.0" encoding="UTF-8"?><soap:Envelope xmlns:soap="http://schemas.xmlsoap.org/soap/envelope/">' +
  '<soap:Body><soap:Fault><faultcode>soap:Server</faultcode><faultstring>服务器内部错误</faultstring>' +
  '<detail><CLASHRULE:Exception xmlns:CLASHRULE="http://clash.ws.ruvu/"><message>规则不存在</message></CLASHRULE:Exception></detail>' +
  '</soap:Fault></soap:Body></soap:Envelope>';
const SOAP12_FAULT = '<SOAP-ENV:Envelope xmlns:SOAP-ENV="http://www.w3.org/2003/05/soap-envelope"><SOAP-ENV:Body>' +
  '<SOAP-ENV:Fault><SOAP-ENV:Code><SOAP-ENV:Value>SOAP-ENV:Receiver</SOAP-ENV:Value></SOAP-ENV:Code>' +
  '<SOAP-ENV:Reason><SOAP-ENV:Text xml:lang="en">down</SOAP-ENV:Text></SOAP-ENV:Reason></SOAP-ENV:Fault>' +
  '</SOAP-ENV:Body></SOAP-ENV:Envelope>';
const gsoapRequest = () => {
  const body = Buffer.from(envelope('CLASHRULE', LIST));
  const head = Object.entries(gsoapHeaders({ Host: `127.0.0.1:${peer.port}`, 'Content-Length': body.length }))
    .map(([k, v]) => `${k}: ${v}\r\n`).join('');
  return Buffer.concat([Buffer.from(`POST ${service.CLASHRULE.path} HTTP/1.1\r\n${head}\r\n`), body]);
};
const bytes = (s) => Buffer.byteLength(s);

test('canned replies go out byte for byte', async (t) => {
  const cases = [
    {
      name: 'SOAP 1.1 fault, soap: prefix, Chinese text',
      canned: { status: 500, body: SOAP11_FAULT },
      raw: `HTTP/1.1 500 Internal Server Error\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Length: ${bytes(SOAP11_FAULT)}\r\n` +
        `Connection: close\r\n\r\n${SOAP11_FAULT}`,
    },
    {
      name: 'SOAP 1.2 fault, SOAP-ENV: prefix, own headers',
      canned: { status: 500, headers: { 'Content-Type': 'application/soap+xml; charset=utf-8' }, body: SOAP12_FAULT },
      raw: `HTTP/1.1 500 Internal Server Error\r\nContent-Type: application/soap+xml; charset=utf-8\r\n` +
        `Content-Length: ${bytes(SOAP12_FAULT)}\r\nConnection: close\r\n\r\n${SOAP12_FAULT}`,
    },
    {
      name: 'empty body',
      canned: { status: 200 },
      raw: 'HTTP/1.1 200 OK\r\nContent-Length: 0\r\nConnection: close\r\n\r\n',
    },
    {
      name: 'reply that is no XML',
      canned: { status: 200, reason: 'Fine', headers: { 'Content-Type': 'text/html', 'Set-Cookie': ['a=1', 'b=2'] }, body: '<html>oops' },
      raw: 'HTTP/1.1 200 Fine\r\nContent-Type: text/html\r\nSet-Cookie: a=1\r\nSet-Cookie: b=2\r\nContent-Length: 10\r\n' +
        'Connection: close\r\n\r\n<html>oops',
    },
    {
      name: 'truncated: Content-Length larger than the body, then close',
      canned: { status: 200, body: '<soap:Envelope', mode: 'truncate' },
      raw: 'HTTP/1.1 200 OK\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Length: 78\r\nConnection: close\r\n\r\n<soap:Envelope',
    },
    {
      name: 'close right after the headers',
      canned: { status: 200, body: SOAP11_FAULT, mode: 'close-after-headers' },
      raw: `HTTP/1.1 200 OK\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Length: ${bytes(SOAP11_FAULT)}\r\nConnection: close\r\n\r\n`,
    },
  ];
  for (const c of cases) {
    await t.test(c.name, async () => {
      assert.equal((await peer.control('POST', '/control/canned', c.canned)).status, 200);
      const got = await rawExchange(peer.port, gsoapRequest());
      assert.equal(got.toString('utf8'), c.raw);
    });
  }
});

test('canned replies are used once, in order, and only for their path', async () => {
  await peer.control('POST', '/control/canned', { status: 503, path: service.HOLERULE.path });
  await peer.control('POST', '/control/canned', { status: 404 });
  assert.equal((await listRules()).status, 404);
  assert.equal((await listRules()).status, 200);
  assert.equal((await peer.call('HOLERULE', '<HOLERULE:listHoleRules/>')).status, 503);
  assert.equal((await peer.call('HOLERULE', '<HOLERULE:listHoleRules/>')).status, 200);
});

test('a stalled reply never answers; reset drops the connection', async () => {
  await peer.control('POST', '/control/canned', { mode: 'stall' });
  const pending = rawExchange(peer.port, gsoapRequest());
  // The request has arrived once it is recorded.
  for (let i = 0; i < 1000 && !(await peer.control('GET', '/control/requests')).json.length; i++);
  await peer.control('POST', '/control/reset');
  assert.equal((await pending).length, 0);
});

test('recorded requests hold method, path, headers and the exact body', async () => {
  const sent = envelope('CLASHRULE', LIST);
  await listRules({ headers: { Cookie: 'JSESSIONID=X' } });
  await peer.call('HOLERULE', '<HOLERULE:listHoleRules/>');
  const { json } = await peer.control('GET', '/control/requests?last=2');
  assert.deepEqual(json.map((r) => [r.method, r.path]), [['POST', service.CLASHRULE.path], ['POST', service.HOLERULE.path]]);
  const [first] = json;
  assert.equal(first.body, sent);
  assert.equal(Buffer.from(first.bodyBase64, 'base64').toString('utf8'), sent);
  assert.equal(first.headers.soapaction, '""');
  assert.equal(first.headers['user-agent'], 'gSOAP/2.8');
  assert.ok(first.rawHeaders.includes('SOAPAction'));
  assert.equal((await peer.control('GET', '/control/requests?last=1')).json[0].path, service.HOLERULE.path);
});

test('reset restores the seed data and clears every control', async () => {
  await peer.call('CLASHRULE', '<CLASHRULE:addClashRule><clashRule><ruleName>n</ruleName></clashRule></CLASHRULE:addClashRule>');
  await peer.control('POST', '/control/gzip', { on: true });
  await peer.control('POST', '/control/cookies', { setCookie: ['route=1'] });
  await peer.control('POST', '/control/redirect', { location: 'http://127.0.0.1:1/x' });
  await peer.control('POST', '/control/canned', { status: 418 });
  await peer.control('POST', '/control/fault', { infoCode: 1000 });
  await peer.control('POST', '/control/reset');
  const res = await listRules();
  assert.equal(res.status, 200);
  assert.equal(res.headers['content-encoding'], undefined);
  assert.equal(res.headers['set-cookie'], undefined);
  assert.equal((res.text.match(/<return>/g) || []).length, 1);
  assert.equal((await peer.control('GET', '/control/requests')).json.length, 1);
});

test('a queued fault answers the named operation with its info code, as often as asked', async () => {
  await peer.control('POST', '/control/fault', { operation: 'listClashRules', infoCode: 1007, message: '登录已失效', count: 2 });
  const other = await peer.call('HOLERULE', '<HOLERULE:listHoleRules/>');
  assert.equal(other.status, 200, 'other operations answer as usual');
  for (let i = 0; i < 2; i++) {
    const failed = await listRules();
    assert.equal(failed.status, 500);
    assert.match(failed.text, /<faultcode>soap:Server<\/faultcode><faultstring>\[1007\] 登录已失效<\/faultstring>/);
  }
  assert.equal((await listRules()).status, 200);

  await peer.control('POST', '/control/fault', { text: 'no code here' });
  assert.match((await peer.call('HOLERULE', '<HOLERULE:listHoleRules/>')).text, /<faultstring>no code here<\/faultstring>/);
  assert.equal((await peer.control('POST', '/control/fault', { operation: 'listClashRules' })).status, 400);
});

test('bad control input is answered with 400 or 404', async () => {
  assert.equal((await peer.control('POST', '/control/redirect', {})).status, 400);
  assert.equal((await peer.control('POST', '/control/canned', { mode: 'slow' })).status, 400);
  assert.equal((await peer.control('GET', '/control/nothing')).status, 404);
  const bad = await request(peer.port, { path: '/control/gzip', body: '{' });
  assert.equal(bad.status, 400);
  const unknown = await request(peer.port, { path: '/RUVU/webservice/clash/Nothing', body: 'x' });
  assert.equal(unknown.status, 404);
});

test('start.sh and stop.sh run the server from a state directory', async () => {
  const state = fs.mkdtempSync(path.join(os.tmpdir(), 'peer-state-'));
  const script = (name) => path.join(__dirname, '..', name);
  try {
    execFileSync(script('start.sh'), [state], { stdio: 'pipe' });
    const port = Number(fs.readFileSync(path.join(state, 'peer.port'), 'utf8'));
    const pid = Number(fs.readFileSync(path.join(state, 'peer.pid'), 'utf8'));
    const res = await request(port, { path: '/control/requests', method: 'GET' });
    assert.equal(res.status, 200);

    execFileSync(script('stop.sh'), [state], { stdio: 'pipe' });
    assert.throws(() => process.kill(pid, 0), { code: 'ESRCH' });
    assert.equal(fs.existsSync(path.join(state, 'peer.port')), false);
    execFileSync(script('stop.sh'), [state], { stdio: 'pipe' });

    assert.throws(() => execFileSync(script('start.sh'), [], { stdio: 'pipe' }), (e) => e.status === 2 && /usage/.test(e.stderr));
  } finally {
    try { execFileSync(script('stop.sh'), [state], { stdio: 'pipe' }); } catch { /* already stopped */ }
    fs.rmSync(state, { recursive: true, force: true });
  }
});
