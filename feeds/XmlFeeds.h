#pragma once
// RSS 2.0 (and RSS 1.0), Atom and CAP 1.2 documents as entries.
//   RSS: each item's title, guid, description and author (else dc:creator).
//   Atom: each entry's title, id, content (else summary) and author name; an entry that carries a
//     CAP alert in its content gives the alert's fields, and one with CAP elements of its own
//     (event, areaDesc) adds them, unless the format asked for is plain Atom.
//   CAP: the alert's identifier, and of its info in Japanese (else its first info) the headline
//     (else the event) as title, description, event, the areaDesc of every area and senderName.
#include <string>

#include "feeds/FeedEntry.h"
#include "model/SourceSettings.h"

// `format` is Auto, Rss, Atom or Cap: Rss takes an RSS document only, Atom an Atom feed only, Cap
// an alert or an Atom feed of them, Auto any of these.
FeedParse parseXmlFeed(const std::string& bytes, const std::string& contentType, SourceFormat format);
