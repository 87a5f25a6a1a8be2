#pragma once
// The program's own wording: terms of use, notices and credits.
// Every text is ASCII; CR breaks lines where a label shows two.

// The terms of use shown in the terms window's text area.
extern const char* const TermsText;
// The bold line under the terms.
extern const char* const TermsNotice;
// The splash window's credits: the tools and the maker, then the authors' handles.
extern const char* const SplashCredits;
// The notice the splash and About notice labels are made with, before RightsNotice replaces it.
extern const char* const InitialRightsNotice;
// The About window's credits: the maker, then the authors.
extern const char* const AboutCredits;
// The one rights notice shown by the splash and About windows.
extern const char* const RightsNotice;
