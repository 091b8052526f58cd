'use strict';
// Reads a service's XSD into ordered member lists, so that records taken from
// node-soap can be cleaned and written back in schema order without a second
// copy of the member tables.

const fs = require('fs');
const { DOMParser } = require('@xmldom/xmldom');

const XSD = 'http://www.w3.org/2001/XMLSchema';
const XSI = 'http://www.w3.org/2001/XMLSchema-instance';

// Child elements in namespace ns (null: unqualified) with that local name
// (or any).
function childElements(node, localName, ns = XSD) {
  const out = [];
  for (let c = node.firstChild; c; c = c.nextSibling) {
    if (c.nodeType === 1 && (c.namespaceURI || null) === ns && (!localName || c.localName === localName)) out.push(c);
  }
  return out;
}

function localPart(qname) {
  const i = qname.indexOf(':');
  return i < 0 ? qname : qname.slice(i + 1);
}

class Schema {
  constructor(file) {
    const doc = new DOMParser().parseFromString(fs.readFileSync(file, 'utf8'), 'text/xml');
    const root = doc.documentElement;
    this.targetNamespace = root.getAttribute('targetNamespace');
    this.types = new Map();
    this.elements = new Map();
    for (const ct of childElements(root, 'complexType')) this.types.set(ct.getAttribute('name'), readComplexType(ct));
    for (const el of childElements(root, 'element')) this.elements.set(el.getAttribute('name'), localPart(el.getAttribute('type')));
  }

  isComplex(type) { return this.types.has(type); }

  baseOf(type) { return this.types.get(type).base; }

  // Base members first, then the type's own, as an extension orders them.
  members(type) {
    const t = this.types.get(type);
    if (!t) throw new Error(`unknown schema type ${type}`);
    return t.base ? [...this.members(t.base), ...t.own] : t.own;
  }

  derivesFrom(type, base) {
    for (let t = type; t; t = this.types.get(t) && this.types.get(t).base) if (t === base) return true;
    return false;
  }

  // Elements of a valid request whose type is a derived one but that do not
  // name it by xsi:type (the schema accepts them where the member is declared
  // with the derived type itself). The type is read from the element's
  // declaration or its xsi:type; one problem per such element.
  untypedDerived(el, type = this.elements.get(el.localName), where = el.localName) {
    const named = el.getAttributeNS(XSI, 'type');
    const actual = named ? localPart(named) : type;
    const t = this.types.get(actual);
    if (!t) return [];
    const problems = [];
    if (!named && t.base) problems.push(`Element '${where}': derived type '${actual}' sent without its xsi:type`);
    const members = new Map(this.members(actual).map((m) => [m.name, m]));
    const seen = new Map();
    for (const child of childElements(el, null, null)) {
      const m = members.get(child.localName);
      const n = (seen.get(child.localName) || 0) + 1;
      seen.set(child.localName, n);
      if (!m || !this.isComplex(m.type)) continue;
      const at = `${where}/${child.localName}${m.repeated ? `[${n}]` : ''}`;
      problems.push(...this.untypedDerived(child, m.type, at));
    }
    return problems;
  }

  // node-soap object -> plain record of the declared type (or of the derived
  // type named by xsi:type). Attributes are dropped, repeated members become
  // arrays, an element that was present but empty becomes '' or {}.
  clean(obj, type) {
    const actual = this.xsiTypeOf(obj, type);
    const rec = {};
    if (obj === null || typeof obj !== 'object') return rec;
    for (const m of this.members(actual)) {
      let v = obj[m.name];
      if (v === undefined) continue;
      if (m.repeated) {
        rec[m.name] = (Array.isArray(v) ? v : [v]).map((x) => this.cleanValue(x, m));
      } else {
        if (Array.isArray(v)) v = v[0];
        rec[m.name] = this.cleanValue(v, m);
      }
    }
    return rec;
  }

  cleanValue(v, m) {
    if (this.isComplex(m.type)) return this.clean(v, m.type);
    if (v === null || v === undefined) return '';
    if (typeof v === 'object') return v.$value !== undefined ? v.$value : '';
    return v;
  }

  xsiTypeOf(obj, declared) {
    const attrs = obj && obj.attributes;
    if (!attrs) return declared;
    for (const [k, v] of Object.entries(attrs)) {
      if (localPart(k) !== 'type' || typeof v !== 'string') continue;
      const t = localPart(v);
      if (this.types.has(t) && this.derivesFrom(t, declared)) return t;
    }
    return declared;
  }

  // Record -> node-soap object in wire order. A derived type carries its own
  // xsi:type, as the service writes it wherever such a record stands. It is
  // given as a plain attribute: node-soap's xsi_type form would qualify the
  // record's members with the type's prefix.
  format(rec, type, prefix) {
    const out = {};
    if (this.baseOf(type)) out.attributes = { 'xsi:type': `${prefix}:${type}` };
    for (const m of this.members(type)) {
      const v = rec[m.name];
      if (v === undefined || v === null) continue;
      if (m.repeated) {
        const list = (Array.isArray(v) ? v : [v]).map((x) => this.formatValue(x, m, prefix));
        if (list.length) out[m.name] = list;
      } else {
        out[m.name] = this.formatValue(v, m, prefix);
      }
    }
    return out;
  }

  formatValue(v, m, prefix) {
    return this.isComplex(m.type) ? this.format(v, m.type, prefix) : v;
  }
}

function readComplexType(ct) {
  let base = null;
  let seqParent = ct;
  const cc = childElements(ct, 'complexContent')[0];
  if (cc) {
    const ext = childElements(cc, 'extension')[0];
    base = localPart(ext.getAttribute('base'));
    seqParent = ext;
  }
  const own = [];
  const seq = childElements(seqParent, 'sequence')[0];
  if (seq) {
    for (const el of childElements(seq, 'element')) {
      const type = el.getAttribute('type');
      own.push({
        name: el.getAttribute('name'),
        type: type.startsWith('xsd:') ? type : localPart(type),
        repeated: el.getAttribute('maxOccurs') === 'unbounded',
      });
    }
  }
  return { base, own };
}

module.exports = { Schema };
