'use strict';
// Requests that do not match the service's schema are answered with a
// soap:Client fault naming the problem, and the server log shows it.

const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { startPeer, envelope, fault } = require('../support/harness');

let peer;
before(async () => { peer = await startPeer(); });
after(() => peer.stop());

const rename = (inner) => `<CLASHRULE:renameClashRule>${inner}</CLASHRULE:renameClashRule>`;

const cases = [
  {
    name: 'request element in the wrong namespace',
    prefix: 'CLASHRULE',
    inner: rename('<ruleId>clashrule-1</ruleId><newName>x</newName>'),
    namespace: 'http://clash.ws.ruvu/wrong/',
    problem: "Element '{http://clash.ws.ruvu/wrong/}renameClashRule': No matching global declaration",
  },
  {
    name: 'qualified member',
    prefix: 'CLASHRULE',
    inner: rename('<CLASHRULE:ruleId>clashrule-1</CLASHRULE:ruleId><newName>x</newName>'),
    problem: "Element '{http://clash.ws.ruvu/}ruleId': This element is not expected",
  },
  {
    name: 'misspelled member',
    prefix: 'CLASHRULE',
    inner: '<CLASHRULE:cloneClashRule><beClonedRuleID>clashrule-1</beClonedRuleID></CLASHRULE:cloneClashRule>',
    problem: "Element 'beClonedRuleID': This element is not expected",
  },
  {
    name: 'members in the wrong order',
    prefix: 'CLASHRULE',
    inner: rename('<newName>x</newName><ruleId>clashrule-1</ruleId>'),
    problem: "Element 'ruleId': This element is not expected",
  },
  {
    name: 'xsi:type that is no derived type of the member',
    prefix: 'DEVICE',
    inner: '<DEVICE:addDevice><devices xsi:type="DEVICE:devicePicFile"><deviceId>d</deviceId></devices></DEVICE:addDevice>',
    problem: "The type definition '{http://pathwalk.ws.ruvu/}devicePicFile', specified by xsi:type, is blocked or not validly derived",
  },
  {
    name: 'derived member without its xsi:type',
    prefix: 'DEVICE',
    inner: '<DEVICE:addDevice><devices><deviceName>n</deviceName><deviceId>d</deviceId></devices></DEVICE:addDevice>',
    problem: "Element 'deviceId': This element is not expected",
  },
  {
    name: 'page without its required pageSize',
    prefix: 'HOLERESULT',
    inner: '<HOLERESULT:findHoleResults><all><currentPage>1</currentPage></all></HOLERESULT:findHoleResults>',
    problem: "Element 'all': Missing child element(s). Expected is ( pageSize )",
  },
  {
    name: '64-bit member holding no integer',
    prefix: 'HOLERULE',
    inner: '<HOLERULE:addHoleRule><holeRule><ruleFile><size>1.5</size></ruleFile></holeRule></HOLERULE:addHoleRule>',
    problem: "Element 'size': '1.5' is not a valid value of the atomic type 'xs:long'",
  },
  {
    name: 'operation name spelled as in the other operation',
    prefix: 'HOLECHECKSITUATION',
    inner: '<HOLECHECKSITUATION:getHoleCheckSituation/>',
    problem: "Element '{http://hole.ws.ruvu/}getHoleCheckSituation': No matching global declaration",
  },
  {
    name: 'request of another service sent to this endpoint',
    prefix: 'HOLERESULTFLOOR',
    inner: '<HOLERESULTFLOOR:listHoleRules/>',
    problem: "Element '{http://hole.ws.ruvu/}listHoleRules': No matching global declaration",
  },
  {
    name: 'response element sent as request',
    prefix: 'CLASHRULE',
    inner: '<CLASHRULE:listClashRulesResponse/>',
    problem: '{http://clash.ws.ruvu/}listClashRulesResponse is no operation of VXClashRuleWebService',
  },
  {
    name: 'two elements in the Body',
    prefix: 'CLASHRULE',
    inner: '<CLASHRULE:listClashRules/><CLASHRULE:listClashRules/>',
    problem: 'Body holds 2 elements, expected one',
  },
  {
    name: 'SOAP 1.2 envelope',
    prefix: 'CLASHRULE',
    body: '<e:Envelope xmlns:e="http://www.w3.org/2003/05/soap-envelope"><e:Body/></e:Envelope>',
    problem: 'not a SOAP 1.1 Envelope',
  },
  {
    name: 'body that is no XML',
    prefix: 'CLASHRULE',
    body: 'listClashRules please',
    problem: 'request is not well-formed XML',
  },
];

test('requests that break the schema are rejected with a soap:Client fault', async (t) => {
  for (const c of cases) {
    await t.test(c.name, async () => {
      const res = await peer.call(c.prefix, c.inner, { body: c.body, namespace: c.namespace });
      assert.equal(res.status, 500);
      const f = fault(res);
      assert.equal(f.faultcode, 'soap:Client');
      assert.ok(f.faultstring.includes(c.problem), `faultstring: ${f.faultstring}`);
      assert.equal(f.exception.prefix, c.prefix);
      assert.ok(peer.log().includes(c.problem), 'the log names the problem');
    });
  }
});

test('a rejected request leaves the store unchanged', async () => {
  const bad = await peer.call('CLASHRULE', rename('<newName>x</newName><ruleId>clashrule-1</ruleId>'));
  assert.equal(bad.status, 500);
  const list = await peer.call('CLASHRULE', '<CLASHRULE:listClashRules/>');
  assert.match(list.text, /<ruleName>Default clash rule<\/ruleName>/);
});

test('the same request in the right form passes', async () => {
  const res = await peer.call('CLASHRULE', rename('<ruleId>clashrule-1</ruleId><newName>x</newName>'));
  assert.equal(res.status, 200, res.text);
  assert.match(res.text, /<CLASHRULE:renameClashRuleResponse\b/);
  // Namespace prefixes are free: another prefix bound to the same URI passes.
  const other = envelope('CLASHRULE', '<c:listClashRules xmlns:c="http://clash.ws.ruvu/"/>');
  assert.equal((await peer.call('CLASHRULE', null, { body: other })).status, 200);
});
