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
    name: 'record of a derived type without its xsi:type',
    prefix: 'WALKPATH',
    inner: '<WALKPATH:editPath><path><pathName>p</pathName><pathId>path-1</pathId></path></WALKPATH:editPath>',
    problem: "xsi:type missing: Element 'editPath/path[1]': derived type 'path4Edit' sent without its xsi:type",
  },
  {
    name: 'one item of a derived list without its xsi:type',
    prefix: 'HOLERESULT',
    inner: '<HOLERESULT:changeHoleResultRemarks>' +
      '<remarks xsi:type="HOLERESULT:holeResultRemarks"><holeId>h1</holeId><remarks>a</remarks></remarks>' +
      '<remarks><holeId>h2</holeId><remarks>b</remarks></remarks></HOLERESULT:changeHoleResultRemarks>',
    problem: "Element 'changeHoleResultRemarks/remarks[2]': derived type 'holeResultRemarks' sent without its xsi:type",
  },
  {
    name: 'single derived member without its xsi:type',
    prefix: 'CLASHRESULTVIEW',
    inner: '<CLASHRESULTVIEW:setClashResultOverview><overview><belongTo>1</belongTo><wsid>2</wsid></overview>' +
      '</CLASHRESULTVIEW:setClashResultOverview>',
    problem: "Element 'setClashResultOverview/overview': derived type 'clashResultOverview' sent without its xsi:type",
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
  // So is the prefix of the type a derived record names.
  const typed = '<WALKPATH:addPath><paths><pathName>p</pathName></paths></WALKPATH:addPath>';
  assert.equal((await peer.call('WALKPATH', typed)).status, 200);
  const edit = '<WALKPATH:editPath><path xmlns:w="http://pathwalk.ws.ruvu/" xsi:type="w:path4Edit">' +
    '<pathName>q</pathName><pathId>path-1</pathId></path></WALKPATH:editPath>';
  const edited = await peer.call('WALKPATH', edit);
  assert.equal(edited.status, 200, edited.text);
  assert.match(edited.text, /<pathName>q<\/pathName>/);
});
