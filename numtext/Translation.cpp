#include "Translation.h"

namespace translation {

namespace {
Translator installed = nullptr;
}

void Install(Translator translator)
{
    installed = translator;
}

std::string Text(const char* context, const char* source)
{
    return installed ? installed(context, source) : std::string(source);
}

} // namespace translation
