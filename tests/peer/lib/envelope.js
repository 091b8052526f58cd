'use strict';
// Request envelopes: MTOM unpacking, the Body's one child for validation,
// and the SOAP 1.1 fault this server writes itself.

const { DOMParser, XMLSerializer } = require('@xmldom/xmldom');

const SOAP11 = 'http://schemas.xmlsoap.org/soap/envelope/';
const XOP = 'http://www.w3.org/2004/08/xop/include';
const XMLNS = 'http://www.w3.org/2000/xmlns/';

class RequestError extends Error {}

// Parameters of a Content-Type value; quoted values may hold ';'.
function headerParams(value) {
  const params = {};
  const re = /;\s*([^=;\s]+)\s*=\s*(?:"([^"]*)"|([^;]*))/g;
  let m;
  while ((m = re.exec(value || '')) !== null) {
    params[m[1].toLowerCase()] = m[2] !== undefined ? m[2] : m[3].trim();
  }
  return params;
}

function stripAngles(id) {
  return (id || '').trim().replace(/^<(.*)>$/, '$1');
}

function splitMultipart(buf, contentType) {
  const params = headerParams(contentType);
  if (!params.boundary) throw new RequestError('multipart request without boundary');
  const delim = Buffer.from(`--${params.boundary}`);
  const parts = [];
  let pos = buf.indexOf(delim);
  while (pos >= 0) {
    let p = pos + delim.length;
    if (buf.subarray(p, p + 2).toString() === '--') break;
    p = buf.indexOf('\r\n', p) + 2;
    const headEnd = buf.indexOf('\r\n\r\n', p);
    if (p < 2 || headEnd < 0) throw new RequestError('malformed MIME part headers');
    const headers = {};
    for (const line of buf.subarray(p, headEnd).toString('latin1').split('\r\n')) {
      const i = line.indexOf(':');
      if (i > 0) headers[line.slice(0, i).trim().toLowerCase()] = line.slice(i + 1).trim();
    }
    const bodyStart = headEnd + 4;
    const next = buf.indexOf(Buffer.concat([Buffer.from('\r\n'), delim]), bodyStart);
    if (next < 0) throw new RequestError('MIME part without closing boundary');
    parts.push({ headers, id: stripAngles(headers['content-id']), body: buf.subarray(bodyStart, next) });
    pos = next + 2;
  }
  if (!parts.length) throw new RequestError('multipart request without parts');
  const start = stripAngles(params.start);
  const root = (start && parts.find((q) => q.id === start)) || parts[0];
  return { root, parts };
}

function parseXml(text) {
  const problems = [];
  const report = (msg) => problems.push(String(msg).split('\n')[0]);
  let doc;
  try {
    doc = new DOMParser({ errorHandler: { warning: () => {}, error: report, fatalError: report } })
      .parseFromString(text, 'text/xml');
  } catch (e) {
    report(e.message);
  }
  if (problems.length || !doc || !doc.documentElement) {
    throw new RequestError(`request is not well-formed XML: ${problems[0] || 'no document element'}`);
  }
  return doc;
}

function elementChildren(node) {
  const out = [];
  for (let c = node.firstChild; c; c = c.nextSibling) if (c.nodeType === 1) out.push(c);
  return out;
}

// Turns the raw HTTP body into envelope text for node-soap and the Body's
// child (with every namespace in scope declared on it) for the validator.
function readRequest(buf, contentType) {
  let text;
  let doc;
  if (/^\s*multipart\/related/i.test(contentType || '')) {
    const { root, parts } = splitMultipart(buf, contentType);
    doc = parseXml(root.body.toString('utf8'));
    const includes = Array.from(doc.getElementsByTagNameNS(XOP, 'Include'));
    for (const inc of includes) {
      const href = inc.getAttribute('href') || '';
      const id = decodeURIComponent(href.replace(/^cid:/i, ''));
      const part = parts.find((q) => q.id === id);
      if (!part) throw new RequestError(`xop:Include refers to a missing MIME part "${href}"`);
      inc.parentNode.replaceChild(doc.createTextNode(part.body.toString('base64')), inc);
    }
    text = new XMLSerializer().serializeToString(doc);
  } else {
    text = buf.toString('utf8');
    doc = parseXml(text);
  }

  const env = doc.documentElement;
  if (env.namespaceURI !== SOAP11 || env.localName !== 'Envelope') {
    throw new RequestError(`root element is {${env.namespaceURI || ''}}${env.localName}, not a SOAP 1.1 Envelope`);
  }
  const body = elementChildren(env).find((e) => e.namespaceURI === SOAP11 && e.localName === 'Body');
  if (!body) throw new RequestError('envelope has no SOAP 1.1 Body');
  const children = elementChildren(body);
  if (children.length !== 1) throw new RequestError(`Body holds ${children.length} elements, expected one`);

  const child = children[0];
  const standalone = child.cloneNode(true);
  for (let a = body; a && a.nodeType === 1; a = a.parentNode) {
    for (const attr of Array.from(a.attributes)) {
      const isDecl = attr.name === 'xmlns' || attr.name.startsWith('xmlns:');
      if (isDecl && !standalone.hasAttribute(attr.name)) standalone.setAttributeNS(XMLNS, attr.name, attr.value);
    }
  }
  return {
    text,
    element: { namespace: child.namespaceURI || '', localName: child.localName, node: child },
    bodyChildXml: new XMLSerializer().serializeToString(standalone),
  };
}

function escapeXml(s) {
  return String(s).replace(/[<>&"]/g, (c) => ({ '<': '&lt;', '>': '&gt;', '&': '&amp;', '"': '&quot;' })[c]);
}

function faultEnvelope(code, text, service) {
  const detail = service
    ? `<detail><${service.prefix}:Exception xmlns:${service.prefix}="${service.namespace}">` +
      `<message>${escapeXml(text)}</message></${service.prefix}:Exception></detail>`
    : '';
  return '<?xml version="1.0" encoding="utf-8"?>' +
    `<soap:Envelope xmlns:soap="${SOAP11}"><soap:Body><soap:Fault>` +
    `<faultcode>soap:${code}</faultcode><faultstring>${escapeXml(text)}</faultstring>${detail}` +
    '</soap:Fault></soap:Body></soap:Envelope>';
}

module.exports = { readRequest, faultEnvelope, headerParams, RequestError, SOAP11 };
