#!/usr/bin/env node
'use strict';
// Calls per second of the test server: a bounded loop of mixed requests
// (a list, an edit with derived records, a search, a rejected request) from
// a few concurrent clients, each call on its own connection as gSOAP makes it.
//
//   node bench/PeerRate.js [calls] [clients]      (starts its own server)

const path = require('path');
const { startPeer } = require(path.join(__dirname, '..', 'tests', 'peer', 'support', 'harness'));

const MIX = [
  ['CLASHRULE', '<CLASHRULE:listClashRules/>', 200],
  ['WALKPATH', '<WALKPATH:editPath><path xsi:type="WALKPATH:path4Edit"><belongTo>1</belongTo>' +
    '<pathName>p</pathName><pathId>path-none</pathId></path></WALKPATH:editPath>', 500],
  ['HOLERESULT', '<HOLERESULT:findHoleResults><queryParam><belongTo>1</belongTo><wsid>2</wsid></queryParam>' +
    '</HOLERESULT:findHoleResults>', 200],
  ['CLASHRULE', '<CLASHRULE:renameClashRule><newName>x</newName><ruleId>r</ruleId></CLASHRULE:renameClashRule>', 500],
];

async function main() {
  const calls = Number(process.argv[2] || 4000);
  const clients = Number(process.argv[3] || 8);
  const peer = await startPeer();
  try {
    let next = 0;
    const client = async () => {
      for (let i = next++; i < calls; i = next++) {
        const [prefix, inner, status] = MIX[i % MIX.length];
        const res = await peer.call(prefix, inner);
        if (res.status !== status) throw new Error(`call ${i}: HTTP ${res.status}, expected ${status}: ${res.text}`);
      }
    };
    for (let i = 0; i < 40; i++) await peer.call(...MIX[i % MIX.length].slice(0, 2));  // warm-up
    const start = process.hrtime.bigint();
    await Promise.all(Array.from({ length: clients }, client));
    const seconds = Number(process.hrtime.bigint() - start) / 1e9;
    console.log(`peer: ${calls} calls from ${clients} clients in ${seconds.toFixed(2)} s: ${(calls / seconds).toFixed(0)} calls/s`);
  } finally {
    await peer.stop();
  }
}

main().catch((e) => {
  console.error(e);
  process.exit(1);
});
