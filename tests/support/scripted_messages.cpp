#include "support/scripted_messages.h"

QStringList ScriptedMessages::texts(Kind kind) const
{
    QStringList out;
    for (const Shown &s : shown)
        if (s.kind == kind)
            out << s.text;
    return out;
}
