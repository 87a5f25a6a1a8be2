#pragma once
#include "Text.h"

// A file type known to the framework. Converting it to text registers it
// (once); changing a property or releasing the object withdraws the registration.
class FileType {
public:
    FileType() = default;
    ~FileType();
    FileType(const FileType&) = delete;
    FileType& operator=(const FileType&) = delete;

    const String& Name() const { return name_; }
    const String& Extensions() const { return extensions_; }
    const String& MacType() const { return macType_; }
    const String& MacCreator() const { return macCreator_; }
    void SetName(const String& v);
    void SetExtensions(const String& v);
    void SetMacType(const String& v);
    void SetMacCreator(const String& v);

    operator String(); // registers, yields Name
    bool IsRegistered() const { return registered_; }

    // How many registered types carry this name (for checks of the registry).
    static int RegisteredCount(const String& name);
    // The registered type of that name, or nullptr.
    static const FileType* Registered(const String& name);

private:
    void Withdraw();
    String name_, extensions_, macType_, macCreator_;
    bool registered_ = false;
};
