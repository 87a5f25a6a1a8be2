#include "Texts.h"

// Paragraphs are joined by two CRs; the last one has none after it.
const char* const TermsText = "Quandelvorix is freeware. You may use it and pass on unchanged copies of it "
                              "free of charge, provided that these terms go with every copy. "
                              "\r\r"
                              "You may not change this software, sell it, or offer support for it without "
                              "the permission of one of its authors, Jonas (Korvat) or Elin (Tervik), "
                              "either of whom may give that permission. "
                              "\r\r"
                              "This software is provided as it is, without warranty of any kind. The authors "
                              "and Brackwater are not liable for any damage or loss that comes from its use."
                              "\r\r"
                              "By pressing \"Agree\" you accept these terms. If you do not accept them, "
                              "\r\r"
                              "press \"Disagree\" and remove this software from your computer.";

const char* const TermsNotice = "Pressing \"Agree\" means that you accept the terms of use above.";

const char* const SplashCredits = "Made with C++ and Qt by Brackwater\r(Korvat and Tervik)";

const char* const InitialRightsNotice = "Copyright Korvat. All rights reserved.";

const char* const AboutCredits = "Written by Brackwater\r(Jonas \"Korvat\" and Elin \"Tervik\")";

const char* const RightsNotice = "(c) Brackwater. All rights reserved.";
