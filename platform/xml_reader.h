// Streaming XML reading (expat): the caller gets the start and end of each element and
// its character data, decoded to UTF-8, and may stop the parse early.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace platform {

struct XmlAttribute {
  std::string_view name;
  std::string_view value;
};

class XmlHandler {
 public:
  virtual ~XmlHandler() = default;
  virtual void StartElement(std::string_view /*name*/, std::span<const XmlAttribute> /*attributes*/) {}
  virtual void EndElement(std::string_view /*name*/) {}
  virtual void CharacterData(std::string_view /*text*/) {}
  // Set by a handler to end the parse after the current callback.
  bool stop = false;
};

// Parses the file in blocks. True when the whole file was well-formed or the handler
// stopped the parse; false when it cannot be read or is malformed (the handler has then
// seen everything up to the fault).
bool ParseXmlFile(const std::string& path, XmlHandler& handler);
bool ParseXmlText(std::string_view text, XmlHandler& handler);

// Parses a document that arrives in pieces (a stream read block by block).
class XmlPushParser {
 public:
  explicit XmlPushParser(XmlHandler& handler);
  ~XmlPushParser();
  XmlPushParser(const XmlPushParser&) = delete;
  XmlPushParser& operator=(const XmlPushParser&) = delete;
  // Feeds the next piece (last: the document ends with it). False once the parse has
  // ended: malformed text, or a stop asked by the handler.
  bool Feed(std::string_view piece, bool last);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  bool ended_ = false;
};

}  // namespace platform
