#pragma once
// Marks a message text of the layers without Qt for the translation tools
// (they read BW_TR_NOOP as QT_TRANSLATE_NOOP). The text itself is unchanged
// here: the application translates it where it is shown, through the ports.
// Placeholders ("%s", "%1") stay in the translations in their order.
#define BW_TR_NOOP(context, text) text
