#include "FileTypes.h"

namespace FileTypes {

std::unique_ptr<FileType> pText;

void Initialize()
{
    pText = std::make_unique<FileType>();
    pText->SetName("text");
    pText->SetExtensions("");
    pText->SetMacType("TEXT");
    pText->SetMacCreator("R*ch");
    // Converting the type to text registers it; the name it yields is not needed.
    static_cast<void>(static_cast<String>(*pText));
}

} // namespace FileTypes
