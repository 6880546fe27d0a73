#!/usr/bin/env python3
"""Writes the emoji catalogue (emoji.json) from Unicode's own data as Debian packages it.

Characters, groups and names come from emoji-test.txt (package unicode-data), keywords from the
CLDR English annotations (package unicode-cldr-core). Every fully-qualified emoji of the nine
groups is listed in the file's order, with its name as description, snake_case short names as
aliases and the CLDR keywords as tags.

    tools/generate-emoji-json.py > ZTSwiftUIComponents/host/resources/emoji.json
"""
import argparse
import json
import re
import sys
import xml.etree.ElementTree as ET

GROUPS = {
    "Smileys & Emotion", "People & Body", "Animals & Nature", "Food & Drink", "Activities",
    "Travel & Places", "Objects", "Symbols", "Flags",
}
LINE = re.compile(r"^([0-9A-F ]+?)\s*;\s*fully-qualified\s*#\s*\S+\s+E\d+\.\d+\s+(.+)$")


def snake_case(text):
    text = text.replace("&", " and ").replace("#", " number sign ").replace("*", " asterisk ")
    return re.sub(r"[^a-z0-9]+", "_", text.lower()).strip("_")


def annotations(paths):
    keywords, names = {}, {}
    for path in paths:
        for node in ET.parse(path).getroot().iter("annotation"):
            cp, text = node.get("cp"), (node.text or "").strip()
            if not cp or not text or text == "↑↑↑":
                continue
            if node.get("type") == "tts":
                names.setdefault(cp, text)
            else:
                keywords.setdefault(cp, [k.strip() for k in text.split("|") if k.strip()])
    return keywords, names


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--emoji-test", default="/usr/share/unicode/emoji/emoji-test.txt")
    parser.add_argument("--cldr", default="/usr/share/unicode/cldr/common")
    args = parser.parse_args()

    keywords, names = annotations([f"{args.cldr}/annotations/en.xml", f"{args.cldr}/annotationsDerived/en.xml"])
    entries, group = [], None
    with open(args.emoji_test, encoding="utf-8") as lines:
        for line in lines:
            if line.startswith("# group:"):
                group = line.split(":", 1)[1].strip()
                continue
            match = LINE.match(line.strip())
            if not match or group not in GROUPS:
                continue
            emoji = "".join(chr(int(cp, 16)) for cp in match.group(1).split())
            description = match.group(2).strip()
            # CLDR writes most characters without the emoji presentation selector.
            plain = emoji.replace("\ufe0f", "")
            aliases = [snake_case(description)]
            tts = names.get(emoji) or names.get(plain)
            if tts and snake_case(tts) not in aliases:
                aliases.append(snake_case(tts))
            tags = []
            for keyword in keywords.get(emoji) or keywords.get(plain) or []:
                if keyword.lower() != description.lower() and keyword not in tags:
                    tags.append(keyword)
            if not tags:
                # Emoji newer than the CLDR release have no keywords yet: their name's words stand in.
                tags = [w for w in re.split(r"[^\w'-]+", description.split(":")[0].lower()) if w]
            entries.append({"emoji": emoji, "description": description, "category": group,
                            "aliases": [a for a in aliases if a], "tags": tags})

    sys.stdout.write("[\n")
    sys.stdout.write(",\n".join(json.dumps(e, ensure_ascii=False, separators=(",", ":")) for e in entries))
    sys.stdout.write("\n]\n")


if __name__ == "__main__":
    main()
