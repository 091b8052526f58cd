#include "AttachmentReferences.h"

#include <algorithm>
#include <functional>

namespace kv::wire {
namespace {

// The room of the buffer the runtime decodes a reference into.
constexpr size_t kDecodeRoom = sizeof(soap::tmpbuf);

std::string_view WithoutScheme(std::string_view id) {
  return id.substr(0, 4) == "cid:" ? id.substr(4) : id;
}

unsigned HexValue(char c) { return static_cast<unsigned>(c >= 'A' ? (c & 0x7) + 9 : c - '0'); }

// A reference as the runtime decodes it for the comparison: leading blanks
// skipped, a quoted text taken as it stands, "%" and the two characters
// after it as one byte, at most kDecodeRoom - 1 bytes, up to the first NUL.
std::string Decoded(std::string_view s) {
  size_t at = 0;
  while (at < s.size() && (s[at] == ' ' || s[at] == '\t')) ++at;
  std::string out;
  if (at < s.size() && s[at] == '"') {
    for (++at; at < s.size() && s[at] != '"' && out.size() < kDecodeRoom - 1; ++at) out += s[at];
  } else {
    while (at < s.size() && out.size() < kDecodeRoom - 1) {
      if (s[at] == '%' && at + 2 < s.size()) {
        out += static_cast<char>((HexValue(s[at + 1]) << 4) + HexValue(s[at + 2]));
        at += 3;
      } else {
        out += s[at++];
      }
    }
  }
  return out.substr(0, out.find('\0'));
}

}  // namespace

void AttachmentReferences::Take(struct soap *engine, const struct soap_multipart *part) {
  if (engine->xlist && refs_.empty()) firstAfterRoot_ = part;
  for (struct soap_xlist *x = engine->xlist; x; x = x->next) refs_.push_back(x);
  engine->xlist = nullptr;
}

AttachmentReferences::Key AttachmentReferences::MakeKey(Kind kind, std::string_view text, uint32_t ref) {
  return {kind, std::hash<std::string_view>()(text), text, ref};
}

void AttachmentReferences::Index() {
  keys_.clear();
  keys_.reserve(2 * refs_.size());
  decoded_.clear();
  for (uint32_t i = 0; i < refs_.size(); ++i) {
    const std::string_view id = refs_[i]->id ? refs_[i]->id : "";
    const std::string_view plain = WithoutScheme(id);
    keys_.push_back(MakeKey(Kind::kWhole, id, i));
    keys_.push_back(MakeKey(Kind::kInner, plain, i));
    std::string decoded = Decoded(plain);
    if (decoded != plain) keys_.push_back(MakeKey(Kind::kInner, decoded_.emplace_back(std::move(decoded)), i));
  }
  std::sort(keys_.begin(), keys_.end());
  visited_.assign(keys_.size(), false);
}

int AttachmentReferences::Resolve(struct soap *engine) {
  if (refs_.empty()) return SOAP_OK;
  Index();
  loneBracketNamesEmpty_ = !soap_match_cid(engine, "cid:", "<");
  // The runtime binds the parts after the root as it reads them, then
  // passes over the whole MIME list once more.
  const struct soap_multipart *const passes[] = {engine->dime.list, firstAfterRoot_, engine->mime.list};
  for (const struct soap_multipart *from : passes)
    BindFrom(engine, from);
  const bool unbound = bound_ < refs_.size();
  GiveBack(engine);
  if (!unbound) return SOAP_OK;
  return (engine->mode & SOAP_ENC_MTOM) ? SOAP_MIME_HREF : SOAP_DIME_HREF;
}

void AttachmentReferences::BindFrom(struct soap *engine, const struct soap_multipart *part) {
  for (; part && bound_ < refs_.size(); part = part->next) Bind(engine, part);
}

// The references a part's id names: the id as it stands, or without its
// first and last characters when it begins with '<'. Whether a lone "<"
// names the references whose decoded text is empty, the runtime tells by
// the byte before its buffer, the same for every part: asked once.
void AttachmentReferences::Bind(struct soap *engine, const struct soap_multipart *part) {
  if (!part->id) return;
  const std::string_view id = part->id;
  Visit(engine, part, Kind::kWhole, id);
  if (id.empty() || id[0] != '<')
    Visit(engine, part, Kind::kInner, id);
  else if (id.size() >= 2)
    Visit(engine, part, Kind::kInner, id.substr(1, id.size() - 2));
  else if (loneBracketNamesEmpty_)
    Visit(engine, part, Kind::kInner, "");
}

// Binds the references of the run of keys equal to (kind, text); a run is
// visited once, by the first part that names it, as the runtime's answer
// is the same for every reference in it.
void AttachmentReferences::Visit(struct soap *engine, const struct soap_multipart *part, Kind kind,
                                 std::string_view text) {
  const auto run = std::equal_range(keys_.begin(), keys_.end(), MakeKey(kind, text, 0));
  if (run.first == run.second) return;
  const size_t first = static_cast<size_t>(run.first - keys_.begin());
  if (visited_[first]) return;
  visited_[first] = true;
  for (auto key = run.first; key != run.second; ++key) {
    struct soap_xlist *&x = refs_[key->ref];
    if (!x || soap_match_cid(engine, x->id, part->id)) continue;
    *x->ptr = reinterpret_cast<unsigned char *>(const_cast<char *>(part->ptr));
    *x->size = static_cast<int>(part->size);
    *x->type = const_cast<char *>(part->type);
    *x->options = const_cast<char *>(part->options ? part->options : part->description);
    SOAP_FREE(engine, x);
    x = nullptr;
    ++bound_;
  }
}

void AttachmentReferences::GiveBack(struct soap *engine) {
  // In the order they were taken, ahead of any the engine holds.
  struct soap_xlist **tail = &engine->xlist;
  struct soap_xlist *rest = engine->xlist;
  for (struct soap_xlist *x : refs_) {
    if (!x) continue;
    *tail = x;
    tail = &x->next;
  }
  *tail = rest;
  refs_.clear();
  firstAfterRoot_ = nullptr;
  bound_ = 0;
  keys_.clear();
  decoded_.clear();
  visited_.clear();
}

}  // namespace kv::wire
