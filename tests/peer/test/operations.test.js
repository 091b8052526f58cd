'use strict';
// Handwritten requests, as the gSOAP client writes them, round-trip through
// the server; every reply is checked against the service's schema.

const { test, before, after, beforeEach } = require('node:test');
const assert = require('node:assert/strict');
const { Schema } = require('../lib/schema');
const { startPeer, envelope, mtom, reply, fault, list, service } = require('../support/harness');

let peer;
before(async () => { peer = await startPeer(); });
after(() => peer.stop());
beforeEach(() => peer.control('POST', '/control/reset'));

async function ok(prefix, op, inner) {
  const res = await peer.call(prefix, `<${prefix}:${op}>${inner}</${prefix}:${op}>`);
  assert.equal(res.status, 200, res.text);
  const r = await reply(res, prefix);
  assert.equal(r.name, `${op}Response`);
  assert.equal(r.ns, service[prefix].namespace);
  return r.value;
}

async function clashRules() {
  return list((await ok('CLASHRULE', 'listClashRules', '')).return);
}

test('every operation of the nine services answers its own response element', async () => {
  let count = 0;
  for (const s of Object.values(service)) {
    const schema = new Schema(`${__dirname}/../xsd/${s.name}.xsd`);
    const ops = [...schema.elements.keys()].filter((n) => schema.elements.has(`${n}Response`));
    for (const op of ops) {
      const res = await peer.call(s.prefix, `<${s.prefix}:${op}></${s.prefix}:${op}>`);
      if (res.status === 200) {
        const r = await reply(res, s.prefix);
        assert.deepEqual([r.name, r.ns], [`${op}Response`, s.namespace], `${s.prefix}:${op}`);
      } else {
        // Operations on one record fault when no id is sent.
        const f = fault(res);
        assert.equal(res.status, 500);
        assert.equal(f.faultcode, 'soap:Server', `${s.prefix}:${op}`);
        assert.deepEqual([f.exception.prefix, f.exception.ns], [s.prefix, s.namespace]);
      }
      count++;
    }
  }
  assert.equal(count, 55);
});

test('clash rules: list, add, edit, rename, clone, remove', async () => {
  const seeded = await clashRules();
  assert.deepEqual(seeded.map((r) => [r.ruleId, r.isDefaultRule]), [['clashrule-1', 'true']]);

  const added = await ok('CLASHRULE', 'addClashRule',
    '<clashRule><ruleFile><md5>0cc175b9c0f1b6a831c399e269772661</md5><size>9007199254740993</size>' +
    '<uuid>u-1</uuid></ruleFile><ruleName>Pipes &amp; ducts</ruleName></clashRule>');
  assert.equal(added.return, 'clashrule-2');

  await ok('CLASHRULE', 'renameClashRule', '<ruleId>clashrule-2</ruleId><newName>  Ducts  </newName>');
  await ok('CLASHRULE', 'editClashRule',
    '<clashRule><ruleFile><md5>m2</md5><size>-9223372036854775808</size></ruleFile><ruleId>clashrule-2</ruleId></clashRule>');
  const cloned = await ok('CLASHRULE', 'cloneClashRule', '<beClonedRuleId>clashrule-2</beClonedRuleId><ruleName>Copy</ruleName>');
  assert.deepEqual(cloned.return, {
    isDefaultRule: 'false',
    ruleFile: { md5: 'm2', size: '-9223372036854775808' },
    ruleId: 'clashrule-3',
    ruleName: 'Copy',
  });

  const rules = await clashRules();
  assert.deepEqual(rules.map((r) => [r.ruleId, r.ruleName]),
    [['clashrule-1', 'Default clash rule'], ['clashrule-2', '  Ducts  '], ['clashrule-3', 'Copy']]);

  await ok('CLASHRULE', 'removeClashRule', '<ruleId>clashrule-2</ruleId>');
  assert.deepEqual((await clashRules()).map((r) => r.ruleId), ['clashrule-1', 'clashrule-3']);
});

test('an operation on an unknown rule answers a fault with the service Exception', async () => {
  const res = await peer.call('HOLERULE', '<HOLERULE:renameHoleRule><ruleId>nope</ruleId><newName>x</newName></HOLERULE:renameHoleRule>');
  assert.equal(res.status, 500);
  assert.deepEqual(fault(res), {
    faultcode: 'soap:Server',
    faultstring: 'no rule with id "nope"',
    exception: { ns: 'http://hole.ws.ruvu/', prefix: 'HOLERULE', message: 'no rule with id "nope"' },
  });
});

test('64-bit and double values come back as the exact text sent', async () => {
  const big = '9007199254740993';
  await ok('CLASHRULE', 'addClashRule', `<clashRule><ruleFile><size>${big}</size></ruleFile><ruleName>big</ruleName></clashRule>`);
  assert.equal((await clashRules())[1].ruleFile.size, big);

  await ok('HOLERESULT', 'saveAllHoleResults',
    '<holeResults><clashPoint><x>0.10000000000000001</x><y>-1.5E+300</y><z>INF</z></clashPoint>' +
    '<holeId>h</holeId><picFile><size>-9007199254740993</size></picFile></holeResults>' +
    '<queryParam><belongTo>1</belongTo><wsid>2</wsid></queryParam>');
  const found = await ok('HOLERESULT', 'findHoleResults', '<queryParam><belongTo>1</belongTo><wsid>2</wsid></queryParam>');
  assert.deepEqual(found.return.clashPoint, { x: '0.10000000000000001', y: '-1.5E+300', z: 'INF' });
  assert.equal(found.return.picFile.size, '-9007199254740993');
});

const PIC = Buffer.from([0x00, 0x01, 0x02, 0xff, 0xfe, 0x7f, 0x80]);

test('devices: add with base64 and with MTOM pictures, fetch the picture bytes', async () => {
  const item = (name, pic) =>
    '<devices xsi:type="DEVICE:device4Edit"><attribute><height>9007199254740993</height><rotation>90</rotation></attribute>' +
    `<deviceName>${name}</deviceName><picFile>${pic}</picFile><picFileLength>7</picFileLength><deviceId>ignored</deviceId></devices>`;

  const inline = (await ok('DEVICE', 'addDevice', item('pump', PIC.toString('base64')))).return;
  assert.equal(inline.$type, 'DEVICE:device');
  assert.equal(inline.deviceId, 'device-2');
  assert.equal(inline.picFile, undefined, 'device records carry no picture bytes');
  assert.deepEqual(inline.attribute, { height: '9007199254740993', rotation: '90' });

  const xml = envelope('DEVICE', `<DEVICE:addDevice>${item('valve',
    '<xop:Include xmlns:xop="http://www.w3.org/2004/08/xop/include" href="cid:id5"/>')}</DEVICE:addDevice>`);
  const pkg = mtom(xml, { id5: PIC });
  const res = await peer.call('DEVICE', null, { body: pkg.body, contentType: pkg.contentType });
  assert.equal(res.status, 200, res.text);
  assert.equal((await reply(res, 'DEVICE')).value.return.deviceId, 'device-3');

  const pics = await ok('DEVICE', 'getListDevicePicFile',
    '<deviceIds>device-2</deviceIds><deviceIds>missing</deviceIds><deviceIds>device-3</deviceIds>');
  assert.deepEqual(list(pics.return).map((p) => [p.deviceId, Buffer.from(p.picFile, 'base64').equals(PIC), p.picFileLength]),
    [['device-2', true, '7'], ['device-3', true, '7']]);
  assert.equal(list(pics.return)[0].$type, undefined);

  const devices = list((await ok('DEVICE', 'listDevice', '')).return);
  assert.deepEqual(devices.map((d) => [d.deviceId, d.deviceName, d.isDefaultDevice]),
    [['device-1', 'Default device', 'true'], ['device-2', 'pump', 'false'], ['device-3', 'valve', 'false']]);
});

test('devices: edit, clone, rename, remarks, remove', async () => {
  const edited = await ok('DEVICE', 'editDevice',
    '<devices xsi:type="DEVICE:device4Edit"><deviceName>Big</deviceName><deviceId>device-1</deviceId></devices>');
  assert.deepEqual(list(edited.return), ['device-1']);
  const cloned = await ok('DEVICE', 'cloneDevice', '<deviceId>device-1</deviceId><deviceName>Twin</deviceName>');
  assert.deepEqual([cloned.return.$type, cloned.return.deviceId, cloned.return.deviceName, cloned.return.isDefaultDevice],
    ['DEVICE:device', 'device-2', 'Twin', 'false']);
  await ok('DEVICE', 'renameDevice', '<deviceId>device-2</deviceId><newName>Triplet</newName>');
  await ok('DEVICE', 'editRemarks', '<deviceId>device-2</deviceId><remarks>中文备注</remarks>');
  const removed = await ok('DEVICE', 'removeDevice', '<deviceIds>device-1</deviceIds><deviceIds>none</deviceIds>');
  assert.deepEqual(list(removed.return), ['device-1']);
  const left = list((await ok('DEVICE', 'listDevice', '')).return);
  assert.deepEqual(left.map((d) => [d.deviceId, d.deviceName, d.remarks]), [['device-2', 'Triplet', '中文备注']]);
});

test('walk paths: add, list by id and belongTo, edit, rename, remove', async () => {
  const path = (name, belongTo, wsid) =>
    `<paths><belongTo>${belongTo}</belongTo><deviceId>device-1</deviceId><pathName>${name}</pathName>` +
    `<pathdata>${Buffer.from(name).toString('base64')}</pathdata><wsid>${wsid}</wsid></paths>`;
  const added = await ok('WALKPATH', 'addPath', path('a', 1, 10) + path('b', 1, 11) + path('c', 2, 10));
  assert.deepEqual(list(added.return).map((p) => [p.$type, p.pathId]),
    [['WALKPATH:path', 'path-1'], ['WALKPATH:path', 'path-2'], ['WALKPATH:path', 'path-3']]);

  const byId = await ok('WALKPATH', 'listPath', '<id>10</id><belongTo>1</belongTo>');
  assert.deepEqual(list(byId.return).map((p) => p.pathName), ['a']);

  const edited = await ok('WALKPATH', 'editPath',
    '<path xsi:type="WALKPATH:path4Edit"><pathdata>AAEC</pathdata><pathId>path-1</pathId></path>');
  assert.deepEqual([edited.return.pathId, edited.return.pathName, edited.return.pathdata], ['path-1', 'a', 'AAEC']);
  await ok('WALKPATH', 'renamePath', '<pathId>path-3</pathId><pathName>z</pathName>');
  const removed = await ok('WALKPATH', 'removePath', '<pathId>path-2</pathId>');
  assert.deepEqual(list(removed.return), ['path-2']);
  const all = await ok('WALKPATH', 'listPath', '');
  assert.deepEqual(list(all.return).map((p) => [p.pathId, p.pathName]), [['path-1', 'a'], ['path-3', 'z']]);
});

function hole(id, floor) {
  return `<holeResults><holeId>${id}</holeId><majorFloor>${floor}</majorFloor><majorProject>1</majorProject></holeResults>`;
}
const Q = '<queryParam><belongTo>7</belongTo><wsid>3</wsid></queryParam>';
const page = (n, size) => `<all><currentPage>${n}</currentPage><pageSize>${size}</pageSize></all>`;
async function holeIds(p) {
  return list((await ok('HOLERESULT', 'findHoleResults', Q + (p || ''))).return).map((h) => h.holeId);
}

test('hole results: saved by set and page, found page by page', async () => {
  await ok('HOLERESULT', 'saveAllHoleResults', hole('h1', 'F1') + hole('h2', 'F1') + hole('h3', 'F2') + Q + page(1, 3));
  await ok('HOLERESULT', 'saveAllHoleResults', hole('h4', 'F2') + hole('h5', 'F3') + Q + page(2, 3));
  await ok('HOLERESULT', 'saveAllHoleResults', hole('other', 'F1') +
    '<queryParam><belongTo>7</belongTo><wsid>4</wsid></queryParam>');

  const pages = [];
  for (const n of [1, 2, 3, 4]) pages.push(await holeIds(page(n, 2)));
  assert.deepEqual(pages, [['h1', 'h2'], ['h3', 'h4'], ['h5'], []]);
  assert.deepEqual(await holeIds(), ['h1', 'h2', 'h3', 'h4', 'h5']);

  // Page 1 replaces the set.
  await ok('HOLERESULT', 'saveAllHoleResults', hole('n1', 'F1') + Q + page(1, 10));
  assert.deepEqual(await holeIds(), ['n1']);
});

test('hole results: changes, removal marks and clearing', async () => {
  await ok('HOLERESULT', 'saveAllHoleResults', hole('h1', 'F1') + hole('h2', 'F1') + hole('h3', 'F2') + hole('h4', 'F3') + Q);
  const key = '<belongTo>7</belongTo><wsid>3</wsid>';
  await ok('HOLERESULT', 'changeHoleResultStates',
    `<handleStates xsi:type="HOLERESULT:holeResultState">${key}<holeId>h1</holeId><state>2</state></handleStates>`);
  await ok('HOLERESULT', 'changeHoleResultHoleSize',
    `<holeSize xsi:type="HOLERESULT:holeResultHoleSize">${key}<holeId>h1</holeId><size>200x300</size></holeSize>`);
  await ok('HOLERESULT', 'changeHoleResultRemarks',
    `<remarks xsi:type="HOLERESULT:holeResultRemarks">${key}<holeId>h1</holeId><remarks>note</remarks></remarks>`);
  await ok('HOLERESULT', 'changeHoleResultPicViewports',
    `<picViewports xsi:type="HOLERESULT:holeResultPicViewport">${key}<holeId>h1</holeId>` +
    '<picFile><uuid>p</uuid></picFile><viewport>v1</viewport></picViewports>');
  const h1 = list((await ok('HOLERESULT', 'findHoleResults', Q)).return)[0];
  assert.deepEqual([h1.disposeState, h1.size, h1.remarks, h1.picFile, h1.viewport], ['2', '200x300', 'note', { uuid: 'p' }, 'v1']);

  await ok('HOLERESULT', 'removeHoleResultsByIds', `<holeIds>h2</holeIds>${Q}`);
  await ok('HOLERESULT', 'removeHoleResultsByFloor',
    `<holeResultFloors xsi:type="HOLERESULT:holeResultFloor">${key}<majorFloor>F2</majorFloor></holeResultFloors>`);
  assert.deepEqual(await holeIds(), ['h1', 'h4']);
  await ok('HOLERESULT', 'clearRemovedHoleResults', Q);
  await ok('HOLERESULT', 'removeHoleResultsByWorkset', `<workset>${key}</workset>`);
  assert.deepEqual(await holeIds(), []);

  const res = await peer.call('HOLERESULT', '<HOLERESULT:changeHoleResultStates>' +
    `<handleStates xsi:type="HOLERESULT:holeResultState">${key}<holeId>h9</holeId><state>1</state></handleStates>` +
    '</HOLERESULT:changeHoleResultStates>');
  assert.equal(fault(res).faultstring, 'no result "h9" in set 7/3');
});

test('clash results: save, page, change, mark removed, clear', async () => {
  const U = '<clashResultUnique><belongTo>5</belongTo><wsid>1</wsid></clashResultUnique>';
  const key = '<belongTo>5</belongTo><wsid>1</wsid>';
  const r = (id, floor) => `<clashResultInfos><clashId>${id}</clashId><majorFloor>${floor}</majorFloor><majorProject>2</majorProject></clashResultInfos>`;
  const ids = async (p = '') => list((await ok('CLASHRESULTRELATED', 'getListClashResult', U + p)).return).map((c) => c.clashId);

  await ok('CLASHRESULTRELATED', 'saveAllClashResult', r('c1', 'F1') + r('c2', 'F1') + r('c3', 'F2') + U);
  assert.deepEqual(await ids('<page><currentPage>2</currentPage><pageSize>2</pageSize></page>'), ['c3']);

  await ok('CLASHRESULTRELATED', 'setResultDisposeState',
    `<disposeStates xsi:type="CLASHRESULTRELATED:clashResultDisposeState">${key}<clashId>c1</clashId><disposeState>3</disposeState></disposeStates>`);
  await ok('CLASHRESULTRELATED', 'setResultRemarks',
    `<remarks xsi:type="CLASHRESULTRELATED:clashResultRemarks">${key}<clashId>c1</clashId><remarks>ok</remarks></remarks>`);
  await ok('CLASHRESULTRELATED', 'setResultPicViewport',
    `<picViewport xsi:type="CLASHRESULTRELATED:clashResultPicViewport">${key}<clashId>c1</clashId><viewport>vp</viewport></picViewport>`);
  const c1 = list((await ok('CLASHRESULTRELATED', 'getListClashResult', U)).return)[0];
  assert.deepEqual([c1.disposeState, c1.remarks, c1.viewport], ['3', 'ok', 'vp']);

  await ok('CLASHRESULTRELATED', 'removeSignClashResultId', `<clashId>c2</clashId>${U}`);
  await ok('CLASHRESULTRELATED', 'removeFloorClashResult',
    `<clashResultFloors xsi:type="CLASHRESULTRELATED:clashResultFloor">${key}<majorFloor>F2</majorFloor><majorProject>2</majorProject></clashResultFloors>`);
  assert.deepEqual(await ids(), ['c1']);
  await ok('CLASHRESULTRELATED', 'removeSignAllClashResult', U);
  await ok('CLASHRESULTRELATED', 'clearRemovedClashResult', U);
  assert.deepEqual(await ids(), []);
});

test('floors, overview and check situation are kept per set and written with xsi:type', async (t) => {
  await t.test('clash-result floors and overview', async () => {
    const U = '<unique><belongTo>1</belongTo><wsid>2</wsid></unique>';
    await ok('CLASHRESULTVIEW', 'addClashResultFoor',
      '<resultFoors xsi:type="CLASHRESULTVIEW:clashResultFloorInfo"><belongTo>1</belongTo><wsid>2</wsid><floor>F1</floor><resultName>r1</resultName></resultFoors>' +
      '<resultFoors xsi:type="CLASHRESULTVIEW:clashResultFloorInfo"><belongTo>1</belongTo><wsid>9</wsid><floor>F9</floor></resultFoors>');
    const floors = await ok('CLASHRESULTVIEW', 'getListClashResultFoor', U);
    assert.deepEqual(floors.return,
      { $type: 'CLASHRESULTVIEW:clashResultFloorInfo', belongTo: '1', wsid: '2', floor: 'F1', resultName: 'r1' });
    await ok('CLASHRESULTVIEW', 'removeClashResultFoor', U);
    assert.equal((await ok('CLASHRESULTVIEW', 'getListClashResultFoor', U)).return, undefined);

    assert.equal((await ok('CLASHRESULTVIEW', 'getClashResultOverview', U)), '');
    await ok('CLASHRESULTVIEW', 'setClashResultOverview',
      '<overview xsi:type="CLASHRESULTVIEW:clashResultOverview"><belongTo>1</belongTo><wsid>2</wsid>' +
      '<dateStamp>2024-01-02 03:04</dateStamp><ruleId>clashrule-1</ruleId><unReleaseLock>true</unReleaseLock></overview>');
    const view = await ok('CLASHRESULTVIEW', 'getClashResultOverview', U);
    assert.deepEqual(view.return, { $type: 'CLASHRESULTVIEW:clashResultOverview', belongTo: '1', wsid: '2',
      dateStamp: '2024-01-02 03:04', ruleId: 'clashrule-1', unReleaseLock: 'true' });
  });

  await t.test('hole-result floors', async () => {
    const Qp = '<queryParam><belongTo>4</belongTo><wsid>4</wsid></queryParam>';
    await ok('HOLERESULTFLOOR', 'addHoleResultFloors',
      '<resultFloors xsi:type="HOLERESULTFLOOR:holeResultFloorInfo"><belongTo>4</belongTo><wsid>4</wsid><floor>B1</floor></resultFloors>');
    const found = await ok('HOLERESULTFLOOR', 'findHoleResultFloors', Qp);
    assert.deepEqual(found.return, { $type: 'HOLERESULTFLOOR:holeResultFloorInfo', belongTo: '4', wsid: '4', floor: 'B1' });
    await ok('HOLERESULTFLOOR', 'removeHoleResultFloors', Qp);
    assert.equal((await ok('HOLERESULTFLOOR', 'findHoleResultFloors', Qp)).return, undefined);
  });

  await t.test('hole-check situation', async () => {
    await ok('HOLECHECKSITUATION', 'setHoleCheckSituation',
      '<hcsituation xsi:type="HOLECHECKSITUATION:holeCheckSituation"><belongTo>8</belongTo><wsid>9</wsid>' +
      '<ruleId>holerule-1</ruleId><unReleaseLock>false</unReleaseLock></hcsituation>');
    const got = await ok('HOLECHECKSITUATION', 'getHoleCheckSitaution',
      '<uniqueparam><belongTo>8</belongTo><wsid>9</wsid></uniqueparam>');
    assert.deepEqual(got.return, { $type: 'HOLECHECKSITUATION:holeCheckSituation', belongTo: '8', wsid: '9',
      ruleId: 'holerule-1', unReleaseLock: 'false' });
  });
});
