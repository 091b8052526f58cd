"""Schema check worker for the test server: one process for every request.

Reads one JSON line per document from stdin ({"xsd": FILE, "xml": TEXT}) and
answers one JSON line each, in order: {"problems": []} when the document is
valid, else the problems libxml2 names. Schemas are loaded once per file.
Runs on Debian's python3 with python3-lxml (the same libxml2 as xmllint).
"""

import json
import sys

from lxml import etree

PARSER = etree.XMLParser(resolve_entities=False, no_network=True, load_dtd=False)
schemas = {}


def schema(xsd):
    if xsd not in schemas:
        schemas[xsd] = etree.XMLSchema(etree.parse(xsd, parser=PARSER))
    return schemas[xsd]


def problems(xsd, xml):
    try:
        doc = etree.fromstring(xml.encode("utf-8"), parser=PARSER)
    except etree.XMLSyntaxError as e:
        return ["document is not well-formed: %s" % e]
    check = schema(xsd)
    if check.validate(doc):
        return []
    return [entry.message for entry in check.error_log] or ["invalid"]


def main():
    out = sys.stdout
    for line in sys.stdin:
        try:
            request = json.loads(line)
            answer = {"problems": problems(request["xsd"], request["xml"])}
        except Exception as e:  # a broken request or schema fails that request only
            answer = {"problems": ["validator error: %s: %s" % (type(e).__name__, e)]}
        out.write(json.dumps(answer))
        out.write("\n")
        out.flush()


if __name__ == "__main__":
    main()
