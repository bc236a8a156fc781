#include "pipeline/records.hpp"

#include "pipeline/findings.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

TEST(Records, LayoutsHaveTheirFixedSizesAndLittleEndianIntegers) {
  EXPECT_EQ(encoder(FindingRecord{4, "abc", 2}).size(), 208u);
  EXPECT_EQ(encoder(IdentifierRecord{3, "x"}).size(), 56u);
  EXPECT_EQ(encoder(ScriptKindMark{1, 3}).size(), 8u);
  EXPECT_EQ(encoder(AttachmentRecord{"v", "o"}).size(), 100u);
  EXPECT_EQ(encoder(SettingsRecord{}).size(), 32u);

  const std::string f = encoder(FindingRecord{-1, "texte", 1});
  EXPECT_EQ(f.substr(0, 4), std::string("\xFF\xFF\xFF\xFF", 4));
  EXPECT_EQ(f.substr(4, 6), std::string("texte\0", 6));
  EXPECT_EQ(f.substr(204, 4), std::string("\x01\0\0\0", 4));
  const std::string a = encoder(AttachmentRecord{"var", "quest"});
  EXPECT_EQ(a.substr(50, 6), std::string("quest\0", 6));
}

TEST(Records, OverlongTextsStayInsideTheirFieldsAndRoundTrip) {
  const std::string longue(300, 'a');
  const auto f = decoderFindings(encoder(FindingRecord{7, longue, 2}));
  ASSERT_EQ(f.size(), 1u);
  EXPECT_EQ(f[0].text.size(), 199u);
  EXPECT_EQ(f[0].line, 7);
  const auto i = decoderIdentifiers(encoder(IdentifierRecord{99, longue}));
  EXPECT_EQ(i[0].name.size(), 51u);  // the 52-byte field holds 51 bytes and its NUL

  std::vector<ScriptKindMark> marks{{1, 3}, {11, 1}};
  EXPECT_EQ(decoderMarks(encoderTous(marks)), marks);
  std::vector<AttachmentRecord> atts{{"stage", "myquest"}};
  EXPECT_EQ(decoderAttachments(encoderTous(atts)), atts);
}

TEST(Records, ShortOrMissingSettingsGiveAllDefaults) {
  SettingsRecord s;
  s.showReport = 0;
  s.hideAlerts = 1;
  s.scriptKind = -1;
  const std::string bytes = encoder(s);
  EXPECT_EQ(decoderSettings(bytes), s);
  EXPECT_EQ(decoderSettings(bytes.substr(0, 31)), SettingsRecord{});
  EXPECT_EQ(SettingsRecord{}.showReport, 1);
  EXPECT_EQ(SettingsRecord{}.autoSpacing, 1);

  test::DossierTemporaire dir;
  EXPECT_EQ(lireReglages(dir.chemin()), SettingsRecord{});
  ASSERT_TRUE(ecrireReglages(dir.chemin(), s));
  EXPECT_EQ(lireReglages(dir.chemin()), s);
}

TEST(Findings, IntToTextAndBoundedLineFindings) {
  EXPECT_EQ(intToText(0), "0");
  EXPECT_EQ(intToText(4998), "4998");
  EXPECT_EQ(intToText(1000000), "1000000");

  // A finding takes the nature and the code of its message; the pieces fill
  // the wording in order.
  static constexpr Libelle<0> kFixe{"QM000", " : message", "essai"};
  static constexpr Libelle<2> kMorceaux{"QM001", " : {N} \"{X}\"", "essai", kAlerte};
  static constexpr Libelle<1> kTexte{"QM002", "{TEXTE}", "essai"};
  WorkFiles wf;
  signalerLigne(wf, 0, kFixe);
  signalerLigne(wf, 4, kMorceaux, 3, "x");
  signalerLigne(wf, 2, kTexte, std::string(400, 'z'));
  signalerTexte(wf, -1, kTexte, "    - tout le script");
  ASSERT_EQ(wf.findings.size(), 4u);
  EXPECT_EQ(wf.findings[0], (FindingRecord{0, "    - Ligne 1 : message", 2}));
  EXPECT_EQ(wf.findings[1], (FindingRecord{4, "    - Ligne 5 : 3 \"x\"", 1}));
  EXPECT_EQ(wf.findings[2].text.size(), 199u);
  EXPECT_EQ(wf.findings[3], (FindingRecord{-1, "    - tout le script", 2}));
  EXPECT_EQ(wf.findings[0].code, "QM000");
  EXPECT_EQ(wf.findings[1].code, "QM001");
  EXPECT_EQ(wf.findings[3].code, "QM002");
}

}  // namespace
}  // namespace quillomat
