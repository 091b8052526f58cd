'use strict';
// The nine services: where they answer, their WSDL and schema, and the
// node-soap server object of each, wired to the store.

const fs = require('fs');
const path = require('path');
const soap = require('soap');
const { Schema } = require('./schema');
const { ServiceFault } = require('./store');

const PATHWALK = 'http://pathwalk.ws.ruvu/';
const CLASH = 'http://clash.ws.ruvu/';
const HOLE = 'http://hole.ws.ruvu/';
const BASE = '/RUVU/webservice';

const SERVICES = [
  { name: 'VXBeingExtractedDeviceWebService', prefix: 'DEVICE', namespace: PATHWALK, path: `${BASE}/pathwalk/VXBeingExtractedDeviceWebService` },
  { name: 'VXPathWebService', prefix: 'WALKPATH', namespace: PATHWALK, path: `${BASE}/pathwork/VXPathWebService` },
  { name: 'VXClashRuleWebService', prefix: 'CLASHRULE', namespace: CLASH, path: `${BASE}/clash/VXClashRuleWebService` },
  { name: 'VXClashResultOverviewWebService', prefix: 'CLASHRESULTVIEW', namespace: CLASH, path: `${BASE}/clash/VXClashResultOverviewWebService` },
  { name: 'VXClashResultRelatedWebService', prefix: 'CLASHRESULTRELATED', namespace: CLASH, path: `${BASE}/clash/VXClashResultRelatedWebService` },
  { name: 'VXHoleRuleWebService', prefix: 'HOLERULE', namespace: HOLE, path: `${BASE}/hole/VXHoleRuleWebService` },
  { name: 'VXHoleResultWebService', prefix: 'HOLERESULT', namespace: HOLE, path: `${BASE}/hole/VXHoleResultWebService` },
  { name: 'VXHoleResultFloorWebService', prefix: 'HOLERESULTFLOOR', namespace: HOLE, path: `${BASE}/hole/VXHoleResultFloorWebService` },
  { name: 'VXHoleCheckSituationWebService', prefix: 'HOLECHECKSITUATION', namespace: HOLE, path: `${BASE}/hole/VXHoleCheckSituationWebService` },
];

const XSI = 'http://www.w3.org/2001/XMLSchema-instance';

function operationsOf(schema) {
  return [...schema.elements.keys()].filter((n) => schema.elements.has(`${n}Response`));
}

function soapHandler(service, op, store) {
  const { schema, prefix } = service;
  return (args) => {
    let result;
    try {
      result = store.handle(service.name, op, schema.clean(args || {}, schema.elements.get(op)));
    } catch (e) {
      if (!(e instanceof ServiceFault)) throw e;
      throw {
        Fault: {
          faultcode: 'soap:Server',
          faultstring: e.message,
          detail: { [`${prefix}:Exception`]: { message: e.message } },
          statusCode: 500,
        },
      };
    }
    return schema.format(result, schema.elements.get(`${op}Response`), prefix);
  };
}

// node-soap's listen() with a null http server only builds the Server object
// and binds nothing; server.js feeds it requests through processRequest().
function createSoapServer(service, store) {
  const wsdlFile = path.join(__dirname, '..', 'wsdl', `${service.name}.wsdl`);
  const ops = {};
  for (const op of service.operations) ops[op] = soapHandler(service, op, store);
  return new Promise((resolve, reject) => {
    soap.listen(null, {
      path: service.path,
      services: { [service.name]: { [`${service.name}Port`]: ops } },
      xml: fs.readFileSync(wsdlFile, 'utf8'),
      uri: wsdlFile,
      // xsd:long and xsd:double stay text: a JavaScript number would change
      // 64-bit values and the digits of doubles.
      customDeserializer: { long: (text) => text, double: (text) => text },
      callback: (err, server) => {
        if (err) return reject(err);
        // It writes xsi:type on derived records but never declares xsi.
        server.wsdl.xmlnsInEnvelope += ` xmlns:xsi="${XSI}"`;
        // The option is read by the parser but not taken from listen()'s
        // options; without it, strings lose leading and trailing blanks.
        server.wsdl.options.preserveWhitespace = true;
        resolve(server);
      },
    });
  });
}

async function loadServices(store) {
  return Promise.all(SERVICES.map(async (s) => {
    const service = { ...s, xsd: path.join(__dirname, '..', 'xsd', `${s.name}.xsd`) };
    service.schema = new Schema(service.xsd);
    service.operations = operationsOf(service.schema);
    service.soap = await createSoapServer(service, store);
    return service;
  }));
}

module.exports = { loadServices, SERVICES };
