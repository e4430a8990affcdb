// Version resource texts of the English edition.
#define EDITION_STRING_BLOCK "040904B0"
#define EDITION_LANGUAGE_ID 0x0409
#define EDITION_DESCRIPTION "Glimmerbox: LED text displays for NeoBook documents"
