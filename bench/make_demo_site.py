#!/usr/bin/python3
"""Writes a small made-up site into FOLDER, the same bytes on every run: the
pages of a sailing club, with the faults real sites have (titles and
descriptions too long, too short or shared, a missing viewport or charset, a
relative canonical address, incomplete Open Graph tags), for a report that
looks like one of a real site.

Usage: make_demo_site.py FOLDER"""

import os
import random
import sys

CLUB = "Harbordale Sailing Club"
BOATS = ["Osprey", "Kittiwake", "Curlew", "Shearwater", "Puffin", "Tern", "Gannet", "Cormorant",
         "Petrel", "Fulmar", "Guillemot", "Razorbill", "Dunlin", "Plover", "Redshank", "Heron"]
KINDS = ["dinghy", "keelboat", "catamaran", "cruising yacht", "rowing gig", "motor launch"]
COURSES = ["Start sailing", "Basic skills", "Better sailing", "Day skipper theory",
           "Powerboat level 2", "Safety and rescue", "Racing for beginners", "Night sailing",
           "First aid at sea", "Radio operator", "Dinghy instructor", "Coastal navigation"]
WORDS = ("harbour tide wind sail race crew mooring jetty season regatta weather forecast boat "
         "member volunteer lesson course summer winter evening weekend trophy rescue chart "
         "knot mast keel rudder spinnaker").split()


def head(rng, title, description, path, old=False):
    lines = []
    late = old and rng.random() < 0.3
    if not late and not (old and rng.random() < 0.3):
        lines.append('<meta charset="utf-8">')
    if title is not None:
        lines.append(f"<title>{title}</title>")
    if description is not None:
        lines.append(f'<meta name="description" content="{description}">')
    if not old or rng.random() < 0.4:
        lines.append('<meta name="viewport" content="width=device-width, initial-scale=1">')
    if rng.random() < 0.15:
        lines.append(f'<link rel="canonical" href="/{path}">')
    else:
        lines.append(f'<link rel="canonical" href="https://www.harbordale.example/{path}">')
    if rng.random() < 0.6:
        lines.append(f'<meta property="og:title" content="{title or CLUB}">')
        lines.append('<meta property="og:type" content="website">')
        if rng.random() < 0.7:
            lines.append('<meta property="og:image" content="https://www.harbordale.example/og.png">')
            lines.append(f'<meta property="og:url" content="https://www.harbordale.example/{path}">')
    if rng.random() < 0.05:
        lines.append('<meta name="keywords" content="sailing, boats">')
        lines.append('<meta name="keywords" content="harbour">')
    if late:
        lines.append("<!--" + " " * 1100 + "-->")
        lines.append('<meta http-equiv="content-type" content="text/html; charset=utf-8">')
    return "\n".join(lines)


def sentence(rng, words):
    text = " ".join(rng.choice(WORDS) for _ in range(words))
    return text[0].upper() + text[1:] + "."


def pages(rng):
    yield "index.html", CLUB, ("Sailing, rowing and powerboating on Harbordale harbour: courses "
                               "for every age, boats to hire, racing every weekend."), False
    yield "contact.html", f"Contact us | {CLUB}", "Where to find us.", False
    yield "about.html", f"About the club | {CLUB}", None, False
    for n, boat in enumerate(BOATS):
        kind = KINDS[n % len(KINDS)]
        title = f"{boat}, a {kind} to hire | {CLUB}"
        if n % 5 == 4:
            title = f"{boat}: a {kind} to hire by the day or the week, with or without a skipper | {CLUB}"
        description = (f"Hire {boat}, our {kind}: " + sentence(rng, rng.randint(6, 40)))
        yield f"boats/{boat.lower()}.html", title, description, False
    for course in COURSES:
        slug = course.lower().replace(" ", "-")
        yield (f"courses/{slug}.html", f"{course} | Courses | {CLUB}",
               f"{course}: " + sentence(rng, rng.randint(8, 30)), False)
    for year in range(2019, 2027):
        for month in (3, 6, 9, 12):
            old = year < 2022
            words = rng.randint(3, 9)
            title = sentence(rng, words)[:-1].title() + f" | News | {CLUB}"
            description = None if old and rng.random() < 0.5 else sentence(rng, rng.randint(4, 34))
            yield f"news/{year}/{month:02}.html", title, description, old
    for n in range(1, 13):
        yield (f"news/page/{n}.html", f"News | {CLUB}",
               "The latest news from the harbour: races, courses and club evenings.", False)
    for word in WORDS[:12]:
        yield f"tags/{word}.html", f"Tag archive | {CLUB}", None, rng.random() < 0.5
    yield "old/welcome.htm", None, None, True


def main():
    folder = sys.argv[1]
    rng = random.Random(7)
    for path, title, description, old in pages(rng):
        file = os.path.join(folder, path)
        os.makedirs(os.path.dirname(file), exist_ok=True)
        with open(file, "w", encoding="utf-8") as out:
            out.write("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n"
                      + head(rng, title, description, path, old)
                      + "\n</head>\n<body>\n<p>" + sentence(rng, 60) + "</p>\n</body>\n</html>\n")


if __name__ == "__main__":
    main()
