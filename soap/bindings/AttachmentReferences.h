// AttachmentReferences: binds the attachment references of a reply
// (xop:Include and href="cid:...") to its MIME or DIME parts through an index
// of their ids. The runtime walks its whole list of pending references for
// every part it reads, comparing (and URL-decoding) each id, so n parts
// referenced once each cost it n*n/2 comparisons. Here the list is taken
// from the engine before the first part after the root is read; at the end
// of the reply each reference is bound to the part the runtime would have
// bound (its soap_match_cid decides): the first DIME record that names it,
// else the first MIME part after the root, else the first MIME part of the
// whole package (parts before the root and the root itself included, as in
// the runtime's last pass). Those no part names go back to the engine's list.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "stdsoap2.h"

namespace kv::wire {

class AttachmentReferences {
 public:
  /// Takes the engine's pending references (its xlist), leaving its list
  /// empty; `part` is the MIME part about to be read (null for a DIME
  /// record). The references exist once the envelope is read, so the part
  /// at which they are first taken is the first after the root.
  void Take(struct soap *engine, const struct soap_multipart *part);
  /// Binds each taken reference to the part the runtime would give it (see
  /// above), and gives the others back. Returns the
  /// runtime's error for a reference no part names (SOAP_MIME_HREF under
  /// MTOM, else SOAP_DIME_HREF), or SOAP_OK.
  int Resolve(struct soap *engine);
  /// Gives every reference still taken back to the engine's list, which the
  /// engine frees.
  void GiveBack(struct soap *engine);

 private:
  // One id under which a reference may name a part, as the runtime compares
  // them: its text with the part's id, or its text without "cid:", and that
  // URL-decoded, with the part's id without its angle brackets (inner).
  // Ordered by a hash of the text first, which spares comparing long ids.
  enum class Kind : uint8_t { kWhole, kInner };
  struct Key {
    Kind kind;
    size_t hash;
    std::string_view text;
    uint32_t ref;
    bool operator<(const Key &other) const {
      if (kind != other.kind) return kind < other.kind;
      return hash != other.hash ? hash < other.hash : text < other.text;
    }
  };

  static Key MakeKey(Kind kind, std::string_view text, uint32_t ref);
  void Index();
  void BindFrom(struct soap *engine, const struct soap_multipart *part);
  void Bind(struct soap *engine, const struct soap_multipart *part);
  void Visit(struct soap *engine, const struct soap_multipart *part, Kind kind, std::string_view text);

  std::vector<struct soap_xlist *> refs_;  // null once bound and freed
  const struct soap_multipart *firstAfterRoot_ = nullptr;
  size_t bound_ = 0;
  bool loneBracketNamesEmpty_ = false;    // whether the runtime matches the id "<" with an empty decoded text
  std::deque<std::string> decoded_;        // decoded ids that differ from the text
  std::vector<Key> keys_;                  // sorted
  std::vector<bool> visited_;              // per key: its run of equal keys was bound
};

}  // namespace kv::wire
