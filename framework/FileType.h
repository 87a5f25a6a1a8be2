#pragma once
#include "Text.h"

// A file type known to the program by its name. Files here carry no type or
// creator code, so converting a type to text, which registers it, only
// yields its Name: nothing on disk depends on the registration.
class FileType {
public:
    const String& Name() const { return name_; }
    const String& Extensions() const { return extensions_; }
    const String& MacType() const { return macType_; }
    const String& MacCreator() const { return macCreator_; }
    void SetName(const String& v) { name_ = v; }
    void SetExtensions(const String& v) { extensions_ = v; }
    void SetMacType(const String& v) { macType_ = v; }
    void SetMacCreator(const String& v) { macCreator_ = v; }

    operator String() const { return name_; }

private:
    String name_, extensions_, macType_, macCreator_;
};
