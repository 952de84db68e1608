// The page table, drawn from the report's data a hundred pages at a time as
// the reader scrolls, so a large site opens as fast as a small one; sorted by
// the column whose heading was clicked, filtered by words and by rule.
(function () {
    "use strict";
    var data = JSON.parse(document.getElementById("report-data").textContent);
    var pages = data.pages, rules = data.rules, messages = data.messages;
    var limits = data.limits;
    var table = document.getElementById("page-table");
    var filter = document.getElementById("filter");
    var ruleChoice = document.getElementById("rule");
    var shown = document.getElementById("shown");
    var more = document.getElementById("more");
    var headings = table.tHead.rows[0].cells;
    // The field of a page each column shows.
    var fields = [0, 1, 3, 4, 5, 6, 7];
    var chunk = 100;
    var fewFindings = 5; // shown under a page before "Show more findings"
    var order = []; // the pages that pass the filters, in the order shown
    var drawn = 0; // how many of them are in the table
    var sortColumn = -1, sortDescending = false;
    var rule = "";
    var searchable = null; // each page's texts in lower case, made on the first search
    var collator = null; // made on the first sort by text: making one takes a while
    var watcher = null; // draws more as the end of the table comes near

    function element(name, className, text) {
        var node = document.createElement(name);
        if (className) node.className = className;
        if (text !== undefined) node.textContent = text;
        return node;
    }

    // "20,000"; the Intl formatters are slow to make, and this runs before the first paint.
    function number(value) {
        return String(value).replace(/\B(?=(\d{3})+$)/g, ",");
    }

    function widthCell(row, width, limit, text) {
        var cell = row.insertCell();
        cell.className = "number";
        if (!text) {
            cell.appendChild(element("span", "none", "none"));
        } else {
            cell.textContent = number(width) + " px";
            if (width > limit) {
                cell.classList.add("cut");
                cell.appendChild(element("span", "tag", "cut"));
            }
        }
    }

    function countCell(row, count, kind) {
        row.insertCell().className = "number " + (count ? kind : "zero");
        row.lastChild.textContent = number(count);
    }

    // A page's findings: the first few, or those of the rule chosen, and a
    // button for the rest.
    function listFindings(list, findings, all) {
        list.textContent = "";
        var left = 0;
        for (var i = 0; i < findings.length; i += 4) {
            var chosen = rules[findings[i + 2]][0] === rule;
            if (!all && (rule ? !chosen : i >= 4 * fewFindings)) {
                ++left;
                continue;
            }
            var which = rules[findings[i + 2]];
            var item = list.appendChild(element("li", chosen ? "hit" : ""));
            item.appendChild(element("span", "place", findings[i] + ":" + findings[i + 1]));
            item.appendChild(element("span", "severity " + which[1], which[1]));
            item.appendChild(document.createTextNode(messages[findings[i + 3]] + " "));
            item.appendChild(element("code", "", "[" + which[0] + "]"));
        }
        if (left) {
            var rest = list.appendChild(element("li")).appendChild(
                element("button", "rest", left === 1 ? "Show 1 more finding"
                                                      : "Show " + number(left) + " more findings"));
            rest.type = "button";
            rest.addEventListener("click", function () {
                listFindings(list, findings, true);
            });
        }
    }

    function drawPage(index) {
        var page = pages[index];
        var body = document.createElement("tbody");
        var row = body.insertRow();
        var path = element("th");
        path.scope = "row";
        var link = path.appendChild(element("a", "", page[0]));
        link.href = page[0].split("/").map(encodeURIComponent).join("/");
        row.appendChild(path);
        var title = row.insertCell();
        title.appendChild(page[1] ? element("span", "", page[1]) : element("span", "none", "no title"));
        if (page[2]) title.appendChild(element("span", "description", page[2])).title = page[2];
        widthCell(row, page[3], limits[0], page[1]);
        widthCell(row, page[4], limits[1], page[2]);
        countCell(row, page[5], "errors");
        countCell(row, page[6], "warnings");
        countCell(row, page[7], "notes");
        if (page[8].length) {
            var line = body.insertRow();
            line.className = "findings";
            var cell = line.insertCell();
            cell.colSpan = headings.length;
            listFindings(cell.appendChild(element("ol")), page[8], false);
        }
        return body;
    }

    function drawMore() {
        var end = Math.min(drawn + chunk, order.length);
        var part = document.createDocumentFragment();
        for (; drawn < end; ++drawn) part.appendChild(drawPage(order[drawn]));
        table.appendChild(part);
        more.hidden = drawn >= order.length;
        // Observing again reports at once whether the button is still near
        // the view, and so draws on until it is not.
        if (watcher) {
            watcher.unobserve(more);
            watcher.observe(more);
        }
    }

    function passes(index, words) {
        var page = pages[index];
        if (rule) {
            var found = false;
            for (var i = 2; i < page[8].length && !found; i += 4) found = rules[page[8][i]][0] === rule;
            if (!found) return false;
        }
        for (var w = 0; w < words.length; ++w)
            if (searchable[index].indexOf(words[w]) < 0) return false;
        return true;
    }

    function compare(a, b) {
        var x = pages[a][fields[sortColumn]], y = pages[b][fields[sortColumn]];
        var result = typeof x === "string" ? collator.compare(x, y) : x - y;
        return (sortDescending ? -result : result) || a - b;
    }

    function update() {
        var words = filter.value.toLowerCase().split(/\s+/).filter(Boolean);
        rule = ruleChoice.value;
        if (words.length && !searchable)
            searchable = pages.map(function (page) {
                return (page[0] + "\n" + page[1] + "\n" + page[2]).toLowerCase();
            });
        order = [];
        for (var i = 0; i < pages.length; ++i) if (passes(i, words)) order.push(i);
        if (sortColumn >= 0) {
            collator = collator || new Intl.Collator("en", { numeric: true });
            order.sort(compare);
        }
        while (table.tBodies.length) table.removeChild(table.tBodies[0]);
        drawn = 0;
        drawMore();
        shown.textContent = order.length === pages.length
            ? number(pages.length) + (pages.length === 1 ? " page" : " pages")
            : number(order.length) + " of " + number(pages.length) + " pages";
    }

    Array.prototype.forEach.call(headings, function (heading, column) {
        heading.firstChild.addEventListener("click", function () {
            sortDescending = sortColumn === column ? !sortDescending : column >= 2;
            sortColumn = column;
            Array.prototype.forEach.call(headings, function (other) {
                other.removeAttribute("aria-sort");
            });
            heading.setAttribute("aria-sort", sortDescending ? "descending" : "ascending");
            update();
        });
    });
    var typing = 0;
    filter.addEventListener("input", function () {
        clearTimeout(typing);
        typing = setTimeout(update, 150);
    });
    ruleChoice.addEventListener("change", update);
    // A bar or a rule's row shows the pages of the rule, "and 57 more" those
    // of a shared title or description.
    document.addEventListener("click", function (event) {
        var chosen = event.target.closest(".bar, a[data-rule], a[data-filter]");
        if (!chosen) return;
        if (chosen.hasAttribute("data-filter")) {
            filter.value = chosen.getAttribute("data-filter");
            ruleChoice.value = "";
        } else {
            ruleChoice.value = chosen.getAttribute("data-rule");
        }
        update();
        document.getElementById("pages").scrollIntoView();
        event.preventDefault();
    });
    more.firstChild.addEventListener("click", drawMore);
    if ("IntersectionObserver" in window)
        watcher = new IntersectionObserver(function (entries) {
            if (entries[entries.length - 1].isIntersecting) drawMore();
        }, { rootMargin: "800px" });
    update();
})();
