#pragma once

#include <QString>

// The help pages are bundled HTML files ":/help/<topic>.html", one per topic ("main", "faq",
// and one per window named after its help topic).

// The resource path of a topic's page; empty when there is none (also for a topic that is
// not a plain name of letters, digits and underscores).
QString HelpPageFile(const QString& topic);

// The help contents: an HTML page linking every bundled page by its title, in name order.
QString HelpContentsHtml();
