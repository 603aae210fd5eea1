#include <gtest/gtest.h>

#include "platform/xml_reader.h"
#include "temp_dir.h"

namespace {

struct Recorder : platform::XmlHandler {
  std::string log;
  std::string stopAt;
  void StartElement(std::string_view name, std::span<const platform::XmlAttribute> attrs) override {
    log += "<" + std::string(name);
    for (const auto& a : attrs) log += " " + std::string(a.name) + "=" + std::string(a.value);
    log += ">";
    if (name == stopAt) stop = true;
  }
  void EndElement(std::string_view name) override { log += "</" + std::string(name) + ">"; }
  void CharacterData(std::string_view text) override { log += text; }
};

}  // namespace

TEST(XmlReader, ElementsAttributesTextAndEarlyStop) {
  Recorder r;
  EXPECT_TRUE(platform::ParseXmlText("<a x=\"1&amp;2\"><b>t&lt;u</b><c/></a>", r));
  EXPECT_EQ(r.log, "<a x=1&2><b>t<u</b><c></c></a>");

  Recorder s;
  s.stopAt = "b";
  EXPECT_TRUE(platform::ParseXmlText("<a><b>never seen</b><broken", s));
  EXPECT_EQ(s.log, "<a><b>");
}

TEST(XmlReader, MalformedAndMissingFilesFail) {
  Recorder r;
  EXPECT_FALSE(platform::ParseXmlText("<a><b></a>", r));
  TempDir tmp;
  EXPECT_FALSE(platform::ParseXmlFile(tmp / "none.xml", r));
  // A file larger than one block.
  std::string big = "<list>";
  for (int i = 0; i < 20000; ++i) big += "<i n=\"" + std::to_string(i) + "\"/>";
  big += "</list>";
  Recorder f;
  f.stopAt = "none";
  EXPECT_TRUE(platform::ParseXmlFile(tmp.Write("big.xml", big), f));
  EXPECT_NE(f.log.find("<i n=19999>"), std::string::npos);
}
