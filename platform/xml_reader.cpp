#include "platform/xml_reader.h"

#include <expat.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace platform {
namespace {

struct Parser {
  explicit Parser(XmlHandler& h) : handler(h), parser(XML_ParserCreate("UTF-8")) {
    XML_SetUserData(parser, this);
    XML_SetElementHandler(parser, &Parser::OnStart, &Parser::OnEnd);
    XML_SetCharacterDataHandler(parser, &Parser::OnText);
  }
  ~Parser() { XML_ParserFree(parser); }
  Parser(const Parser&) = delete;
  Parser& operator=(const Parser&) = delete;

  // False when the parse must end: malformed text or a stop asked by the handler.
  bool Feed(const char* data, std::size_t size, bool last) {
    if (XML_Parse(parser, data, static_cast<int>(size), last) == XML_STATUS_ERROR) return false;
    return !handler.stop;
  }
  bool Stopped() const { return handler.stop; }

  static void OnStart(void* self, const XML_Char* name, const XML_Char** attrs) {
    auto* p = static_cast<Parser*>(self);
    if (p->handler.stop) return;
    p->attributes.clear();
    for (int i = 0; attrs[i] && attrs[i + 1]; i += 2) p->attributes.push_back({attrs[i], attrs[i + 1]});
    p->handler.StartElement(name, p->attributes);
    p->StopIfAsked();
  }
  static void OnEnd(void* self, const XML_Char* name) {
    auto* p = static_cast<Parser*>(self);
    if (p->handler.stop) return;
    p->handler.EndElement(name);
    p->StopIfAsked();
  }
  static void OnText(void* self, const XML_Char* text, int length) {
    auto* p = static_cast<Parser*>(self);
    if (p->handler.stop) return;
    p->handler.CharacterData(std::string_view(text, static_cast<std::size_t>(length)));
    p->StopIfAsked();
  }
  void StopIfAsked() {
    if (handler.stop) XML_StopParser(parser, XML_FALSE);
  }

  XmlHandler& handler;
  XML_Parser parser;
  std::vector<XmlAttribute> attributes;
};

constexpr std::size_t kBlock = 1 << 16;

}  // namespace

bool ParseXmlText(std::string_view text, XmlHandler& handler) {
  Parser p(handler);
  // Fed in blocks so that a huge text never overflows expat's int length.
  while (text.size() > kBlock) {
    if (!p.Feed(text.data(), kBlock, false)) return p.Stopped();
    text.remove_prefix(kBlock);
  }
  return p.Feed(text.data(), text.size(), true) || p.Stopped();
}

bool ParseXmlFile(const std::string& path, XmlHandler& handler) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return false;
  Parser p(handler);
  std::vector<char> block(kBlock);
  for (;;) {
    const std::size_t n = std::fread(block.data(), 1, block.size(), file.get());
    const bool last = n < block.size();
    if (last && std::ferror(file.get())) return false;
    if (!p.Feed(block.data(), n, last)) return p.Stopped();
    if (last) return true;
  }
}

struct XmlPushParser::Impl {
  explicit Impl(XmlHandler& h) : parser(h) {}
  Parser parser;
};

XmlPushParser::XmlPushParser(XmlHandler& handler) : impl_(std::make_unique<Impl>(handler)) {}
XmlPushParser::~XmlPushParser() = default;

bool XmlPushParser::Feed(std::string_view piece, bool last) {
  if (ended_) return false;
  while (piece.size() > kBlock) {
    if (!impl_->parser.Feed(piece.data(), kBlock, false)) return !(ended_ = true);
    piece.remove_prefix(kBlock);
  }
  const bool ok = impl_->parser.Feed(piece.data(), piece.size(), last);
  if (!ok || last) ended_ = true;
  return ok;
}

}  // namespace platform
