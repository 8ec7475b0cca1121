#include "startup/locations/startup_type_tags.h"

namespace {

struct TypeTag {
    int type;
    std::string_view tag;
};

constexpr TypeTag kTypeTags[] = {
    {1, "HKLM_RUN"},          {2, "HKLM_RUNONCE"},         {3, "HKLM_RUNONCEEX"},
    {4, "HKLM_RUNSERVICES"},  {5, "HKLM_RUNSERVICESONCE"}, {6, "HKLM_RUNONCESETUP"},
    {7, "HKLM_POLICY"},       {11, "HKCU_RUN"},            {12, "HKCU_RUNONCE"},
    {13, "HKCU_RUNONCEEX"},   {14, "HKCU_RUNSERVICES"},    {15, "HKCU_RUNSERVICESONCE"},
    {16, "HKCU_RUNONCESETUP"}, {17, "HKCU_POLICY"},        {21, "x64_RUN"},
    {22, "x64_RUNONCE"},      {23, "x64_RUNONCEEX"},       {24, "x64_RUNSERVICES"},
    {25, "x64_RUNSERVICESONCE"}, {26, "x64_RUNONCESETUP"}, {27, "x64_POLICY"},
    {31, "RUN_POLICY"},       {32, "W_RUNONCE"},           {33, "W_RUNONCEEX"},
    {34, "W_RUNSERVICES"},    {35, "W_RUNSERVICESONCE"},   {100, "WIN.INI_LOAD"},
    {101, "WIN.INI_RUN"},     {200, "STARTUP_FOLDER"},     {250, "LOGON_USERINIT"},
    {251, "LOGON_SHELL"},     {252, "DELAYLOAD"},          {253, "TASKSCHEDULER"},
    {254, "SHELLHOOK"},       {255, "APPINIT_DLL"},        {256, "NOTIFY"},
};

}  // namespace

std::string_view StartupTypeTag(int type) {
    for (const TypeTag& entry : kTypeTags)
        if (entry.type == type) return entry.tag;
    return {};
}
