// Version resource texts of the Russian edition (UTF-8).
#define EDITION_STRING_BLOCK "041904B0"
#define EDITION_LANGUAGE_ID 0x0419
#define EDITION_DESCRIPTION "Glimmerbox: светодиодные экраны для документов NeoBook"
