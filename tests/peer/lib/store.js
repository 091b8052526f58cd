'use strict';
// In-memory data of the nine services and what each of the 55 operations does
// to it. Handlers take the cleaned request record and return the response
// record; a ServiceFault becomes a SOAP fault with the service's Exception.
//
// Result sets (clash results, hole results, their floors, the overview and
// the check situation) are keyed by (belongTo, wsid). Pages count from 1; a
// missing page or a pageSize <= 0 means the whole set. Removing results only
// marks them; list and find skip marked results, the clear operations drop
// them. Single-record operations on an unknown id fault; bulk removals skip
// unknown ids.

class ServiceFault extends Error {}

const clone = (v) => (v === undefined ? undefined : structuredClone(v));

function setKey(q) {
  const part = (v) => (v === undefined || v === '' ? '' : String(Number(v)));
  return `${part(q && q.belongTo)}/${part(q && q.wsid)}`;
}

function pageOf(list, page) {
  if (!page || !(Number(page.pageSize) > 0)) return list;
  const size = Number(page.pageSize);
  const first = (Math.max(1, Number(page.currentPage) || 1) - 1) * size;
  return list.slice(first, first + size);
}

// Members present in the update replace those of the record.
function merge(record, update, fields) {
  for (const f of fields) if (update[f] !== undefined) record[f] = clone(update[f]);
  return record;
}

function seed() {
  return {
    next: { clashrule: 2, holerule: 2, device: 2, path: 1 },
    clashRules: new Map([['clashrule-1', {
      isDefaultRule: true,
      ruleFile: { md5: 'd41d8cd98f00b204e9800998ecf8427e', size: '1024', uuid: '00000000-0000-0000-0000-000000000001' },
      ruleId: 'clashrule-1',
      ruleName: 'Default clash rule',
    }]]),
    holeRules: new Map([['holerule-1', {
      isDefaultRule: true,
      ruleFile: { md5: 'd41d8cd98f00b204e9800998ecf8427e', size: '2048', uuid: '00000000-0000-0000-0000-000000000002' },
      ruleId: 'holerule-1',
      ruleName: 'Default hole rule',
    }]]),
    devices: new Map([['device-1', {
      attribute: { height: '500', length: '1200', rotation: '0', width: '800' },
      deviceName: 'Default device',
      picFile: Buffer.from('default device picture').toString('base64'),
      picFileLength: '22',
      remarks: '',
      deviceId: 'device-1',
      isDefaultDevice: true,
    }]]),
    paths: new Map(),
    clashResults: new Map(),
    clashFloors: new Map(),
    clashOverviews: new Map(),
    holeResults: new Map(),
    holeFloors: new Map(),
    holeSituations: new Map(),
  };
}

class Store {
  constructor() { this.reset(); }

  reset() { this.d = seed(); }

  newId(kind) { return `${kind}-${this.d.next[kind]++}`; }

  // --- rules (clash and hole share the behaviour) ---

  ruleOps(map, kind, editMember, addMember) {
    const find = (id) => {
      const r = map.get(id);
      if (!r) throw new ServiceFault(`no rule with id "${id ?? ''}"`);
      return r;
    };
    return {
      list: () => ({ return: [...map.values()].map(clone) }),
      add: (a) => {
        const src = a[addMember] || {};
        const ruleId = this.newId(kind);
        map.set(ruleId, { isDefaultRule: false, ruleFile: clone(src.ruleFile), ruleId, ruleName: src.ruleName });
        return { return: ruleId };
      },
      edit: (a) => {
        const src = a[editMember] || {};
        merge(find(src.ruleId), src, ['ruleFile', 'ruleName']);
        return {};
      },
      rename: (a) => { find(a.ruleId).ruleName = a.newName; return {}; },
      clone: (a) => {
        const copy = clone(find(a.beClonedRuleId));
        copy.ruleId = this.newId(kind);
        copy.isDefaultRule = false;
        if (a.ruleName !== undefined) copy.ruleName = a.ruleName;
        map.set(copy.ruleId, copy);
        return { return: clone(copy) };
      },
      remove: (a) => {
        find(a.ruleId);
        map.delete(a.ruleId);
        return {};
      },
    };
  }

  // --- devices ---

  device(id) {
    const dev = this.d.devices.get(id);
    if (!dev) throw new ServiceFault(`no device with id "${id ?? ''}"`);
    return dev;
  }

  // Device records in replies leave the picture bytes out; getListDevicePicFile
  // carries them.
  static withoutPicture(dev) {
    const out = clone(dev);
    delete out.picFile;
    return out;
  }

  // --- result sets ---

  resultSet(map, q) {
    const key = setKey(q);
    if (!map.has(key)) map.set(key, []);
    return map.get(key);
  }

  saveResults(map, items, idMember, q, page) {
    const set = this.resultSet(map, q);
    if (!page || Number(page.currentPage) <= 1) set.length = 0;
    for (const item of items || []) {
      const entry = { rec: clone(item), removed: false };
      const at = item[idMember] === undefined ? -1 : set.findIndex((e) => e.rec[idMember] === item[idMember]);
      if (at >= 0) set[at] = entry; else set.push(entry);
    }
  }

  listResults(map, q, page) {
    return pageOf(this.resultSet(map, q).filter((e) => !e.removed), page).map((e) => clone(e.rec));
  }

  // Applies change(entry, item) to the result each item names; all ids are
  // checked before anything changes.
  changeResults(map, items, idMember, change) {
    const targets = (items || []).map((item) => {
      const entry = this.resultSet(map, item).find((e) => e.rec[idMember] === item[idMember]);
      if (!entry) throw new ServiceFault(`no result "${item[idMember] ?? ''}" in set ${setKey(item)}`);
      return [entry, item];
    });
    for (const [entry, item] of targets) change(entry, item);
    return {};
  }

  markResults(map, q, pick) {
    for (const e of this.resultSet(map, q)) if (pick(e.rec)) e.removed = true;
    return {};
  }

  clearRemoved(map, q) {
    const set = this.resultSet(map, q);
    const kept = set.filter((e) => !e.removed);
    set.length = 0;
    set.push(...kept);
    return {};
  }

  static onFloor(f) {
    return (rec) => rec.majorFloor === f.majorFloor &&
      (f.majorProject === undefined || String(rec.majorProject) === String(f.majorProject));
  }

  // Floor lists: one entry per floor name within a set.
  addFloors(map, items) {
    for (const item of items || []) {
      const set = this.resultSet(map, item);
      const at = set.findIndex((f) => f.floor === item.floor);
      if (at >= 0) set[at] = clone(item); else set.push(clone(item));
    }
    return {};
  }

  // Runs one operation. The handler table is built per call so that it
  // always works on the current data, also after a reset.
  handle(service, op, args) {
    const ops = this.handlers()[service];
    if (!ops || !ops[op]) throw new Error(`no handler for ${service}.${op}`);
    return ops[op](args);
  }

  // --- the nine services ---

  handlers() {
    const d = this.d;
    const clashRule = this.ruleOps(d.clashRules, 'clashrule', 'clashRule', 'clashRule');
    const holeRule = this.ruleOps(d.holeRules, 'holerule', 'holeRule', 'holeRule');
    const deviceFields = ['attribute', 'deviceFile', 'deviceName', 'picFile', 'picFileLength', 'remarks'];
    const pathFields = ['belongTo', 'deviceId', 'pathName', 'pathdata', 'wsid'];
    const path = (id) => {
      const p = d.paths.get(id);
      if (!p) throw new ServiceFault(`no path with id "${id ?? ''}"`);
      return p;
    };

    return {
      VXClashRuleWebService: {
        listClashRules: clashRule.list,
        editClashRule: clashRule.edit,
        cloneClashRule: clashRule.clone,
        renameClashRule: clashRule.rename,
        removeClashRule: clashRule.remove,
        addClashRule: clashRule.add,
      },

      VXHoleRuleWebService: {
        editHoleRule: holeRule.edit,
        removeHoleRule: holeRule.remove,
        cloneHoleRule: holeRule.clone,
        listHoleRules: holeRule.list,
        renameHoleRule: holeRule.rename,
        addHoleRule: holeRule.add,
      },

      VXBeingExtractedDeviceWebService: {
        cloneDevice: (a) => {
          const copy = clone(this.device(a.deviceId));
          copy.deviceId = this.newId('device');
          copy.isDefaultDevice = false;
          if (a.deviceName !== undefined) copy.deviceName = a.deviceName;
          d.devices.set(copy.deviceId, copy);
          return { return: Store.withoutPicture(copy) };
        },
        editRemarks: (a) => { this.device(a.deviceId).remarks = a.remarks; return {}; },
        addDevice: (a) => ({
          return: (a.devices || []).map((src) => {
            const dev = merge({}, src, deviceFields);
            dev.deviceId = this.newId('device');
            dev.isDefaultDevice = false;
            d.devices.set(dev.deviceId, dev);
            return Store.withoutPicture(dev);
          }),
        }),
        listDevice: () => ({ return: [...d.devices.values()].map(Store.withoutPicture) }),
        removeDevice: (a) => ({ return: (a.deviceIds || []).filter((id) => d.devices.delete(id)) }),
        editDevice: (a) => {
          const edits = (a.devices || []).map((src) => [this.device(src.deviceId), src]);
          for (const [dev, src] of edits) merge(dev, src, deviceFields);
          return { return: edits.map(([dev]) => dev.deviceId) };
        },
        getListDevicePicFile: (a) => ({
          return: (a.deviceIds || []).filter((id) => d.devices.has(id)).map((id) => {
            const dev = d.devices.get(id);
            return { deviceId: id, picFile: dev.picFile, picFileLength: dev.picFileLength };
          }),
        }),
        renameDevice: (a) => { this.device(a.deviceId).deviceName = a.newName; return {}; },
      },

      // listPath selects by "id" (the paths' wsid) and "belongTo"; a filter
      // that is not sent selects everything.
      VXPathWebService: {
        removePath: (a) => ({ return: (a.pathId || []).filter((id) => d.paths.delete(id)) }),
        listPath: (a) => ({
          return: [...d.paths.values()].filter((p) =>
            (a.id === undefined || String(p.wsid) === String(a.id)) &&
            (a.belongTo === undefined || String(p.belongTo) === String(a.belongTo))).map(clone),
        }),
        addPath: (a) => ({
          return: (a.paths || []).map((src) => {
            const p = merge({}, src, pathFields);
            p.pathId = this.newId('path');
            d.paths.set(p.pathId, p);
            return clone(p);
          }),
        }),
        editPath: (a) => {
          const edits = (a.path || []).map((src) => [path(src.pathId), src]);
          return { return: edits.map(([p, src]) => clone(merge(p, src, pathFields))) };
        },
        renamePath: (a) => { path(a.pathId).pathName = a.pathName; return {}; },
      },

      VXClashResultOverviewWebService: {
        getListClashResultFoor: (a) => ({ return: clone(this.resultSet(d.clashFloors, a.unique)) }),
        getClashResultOverview: (a) => ({ return: clone(d.clashOverviews.get(setKey(a.unique))) }),
        setClashResultOverview: (a) => {
          if (a.overview) d.clashOverviews.set(setKey(a.overview), clone(a.overview));
          return {};
        },
        removeClashResultFoor: (a) => { d.clashFloors.delete(setKey(a.unique)); return {}; },
        addClashResultFoor: (a) => this.addFloors(d.clashFloors, a.resultFoors),
      },

      VXClashResultRelatedWebService: {
        removeFloorClashResult: (a) => {
          for (const f of a.clashResultFloors || []) this.markResults(d.clashResults, f, Store.onFloor(f));
          return {};
        },
        setResultRemarks: (a) => this.changeResults(d.clashResults, a.remarks, 'clashId',
          (e, it) => { e.rec.remarks = it.remarks; }),
        removeSignAllClashResult: (a) => this.markResults(d.clashResults, a.clashResultUnique, () => true),
        clearRemovedClashResult: (a) => this.clearRemoved(d.clashResults, a.clashResultUnique),
        removeSignClashResultId: (a) => {
          const ids = new Set(a.clashId || []);
          return this.markResults(d.clashResults, a.clashResultUnique, (rec) => ids.has(rec.clashId));
        },
        setResultDisposeState: (a) => this.changeResults(d.clashResults, a.disposeStates, 'clashId',
          (e, it) => { e.rec.disposeState = it.disposeState; }),
        getListClashResult: (a) => ({ return: this.listResults(d.clashResults, a.clashResultUnique, a.page) }),
        setResultPicViewport: (a) => this.changeResults(d.clashResults, a.picViewport, 'clashId',
          (e, it) => { merge(e.rec, it, ['picFile', 'viewport']); }),
        saveAllClashResult: (a) => {
          this.saveResults(d.clashResults, a.clashResultInfos, 'clashId', a.clashResultUnique, a.page);
          return {};
        },
      },

      // The dig state has no member in a hole result; it is kept beside it.
      VXHoleResultWebService: {
        changeHoleResultRemarks: (a) => this.changeResults(d.holeResults, a.remarks, 'holeId',
          (e, it) => { e.rec.remarks = it.remarks; }),
        changeHoleResultPicViewports: (a) => this.changeResults(d.holeResults, a.picViewports, 'holeId',
          (e, it) => { merge(e.rec, it, ['picFile', 'viewport']); }),
        findHoleResults: (a) => ({ return: this.listResults(d.holeResults, a.queryParam, a.all) }),
        changeHoleResultDigStats: (a) => this.changeResults(d.holeResults, a.digStates, 'holeId',
          (e, it) => { e.digState = it.state; }),
        removeHoleResultsByWorkset: (a) => this.markResults(d.holeResults, a.workset, () => true),
        saveAllHoleResults: (a) => {
          this.saveResults(d.holeResults, a.holeResults, 'holeId', a.queryParam, a.all);
          return {};
        },
        changeHoleResultHoleSize: (a) => this.changeResults(d.holeResults, a.holeSize ? [a.holeSize] : [], 'holeId',
          (e, it) => { e.rec.size = it.size; }),
        clearRemovedHoleResults: (a) => this.clearRemoved(d.holeResults, a.queryParam),
        changeHoleResultStates: (a) => this.changeResults(d.holeResults, a.handleStates, 'holeId',
          (e, it) => { e.rec.disposeState = it.state; }),
        removeHoleResultsByIds: (a) => {
          const ids = new Set(a.holeIds || []);
          return this.markResults(d.holeResults, a.queryParam, (rec) => ids.has(rec.holeId));
        },
        removeHoleResultsByFloor: (a) => {
          for (const f of a.holeResultFloors || []) this.markResults(d.holeResults, f, Store.onFloor(f));
          return {};
        },
      },

      VXHoleResultFloorWebService: {
        removeHoleResultFloors: (a) => { d.holeFloors.delete(setKey(a.queryParam)); return {}; },
        addHoleResultFloors: (a) => this.addFloors(d.holeFloors, a.resultFloors),
        findHoleResultFloors: (a) => ({ return: clone(this.resultSet(d.holeFloors, a.queryParam)) }),
      },

      VXHoleCheckSituationWebService: {
        getHoleCheckSitaution: (a) => ({ return: clone(d.holeSituations.get(setKey(a.uniqueparam))) }),
        setHoleCheckSituation: (a) => {
          if (a.hcsituation) d.holeSituations.set(setKey(a.hcsituation), clone(a.hcsituation));
          return {};
        },
      },
    };
  }
}

module.exports = { Store, ServiceFault };
