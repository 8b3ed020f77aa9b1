// Compares `tintorium-cli scan --all-notations` with css-tree, a real CSS parser: for each file, the colours css-tree
// finds walking the declaration values (hexadecimal, colour functions, the named colours) must be exactly the ones
// we find, in the same order, with the same property and notation, and a named or "#" colour with the same value.
// Usage: node css_scan_test.mjs PATH/TO/tintorium-cli FILE...
// Exit 0 when every file agrees, 1 on a disagreement, 77 (skipped) when css-tree is not installed.
import { spawnSync } from "node:child_process";
import { readFileSync } from "node:fs";

let csstree;
try {
  csstree = await import("css-tree");
} catch {
  console.log("css-tree is not installed: run `npm ci` in tests/js (scripts/test does)");
  process.exit(77);
}

const [cli, ...files] = process.argv.slice(2);
const COLOR_FUNCTIONS = new Set(["rgb", "rgba", "hsl", "hsla", "hwb", "lab", "lch", "oklab", "oklch", "color"]);
const NAMED = new Map();
for (const term of csstree.lexer.types["named-color"].syntax.terms) NAMED.set(term.name, null);

// Comments become a space and each run of spaces one space, as the scanner reports a notation.
const normalize = (text) => text.replace(/\/\*[\s\S]*?(\*\/|$)/g, " ").replace(/\s+/g, " ").trim();

function hexValue(hex) {
  let digits = hex.slice(1);
  if (digits.length <= 4) digits = [...digits].map((d) => d + d).join("");
  return digits.slice(0, 6).toUpperCase();
}

// A named colour's value from colorjs.io, the other independent implementation the tests install.
let Color = null;
try {
  Color = (await import("colorjs.io")).default;
} catch {}
function namedValue(name) {
  const [r, g, b] = new Color(name).to("srgb").coords.map((c) => Math.round(c * 255));
  return [r, g, b].map((c) => c.toString(16).padStart(2, "0")).join("").toUpperCase();
}

function colorsOf(css, context, offset, found) {
  const ast = csstree.parse(css, { context, positions: true, parseCustomProperty: true, onParseError: () => {} });
  csstree.walk(ast, {
    visit: "Declaration",
    enter(declaration) {
      csstree.walk(declaration.value, function (node) {
        const text = () => css.slice(node.loc.start.offset, node.loc.end.offset);
        let isColor = false;
        if (node.type === "Hash") {
          isColor = /^([0-9a-f]{3,4}|[0-9a-f]{6}|[0-9a-f]{8})$/i.test(node.value);
        } else if (node.type === "Identifier") {
          isColor = NAMED.has(node.name.toLowerCase());
        } else if (node.type === "Function") {
          isColor = COLOR_FUNCTIONS.has(node.name.toLowerCase()) && csstree.lexer.match("<color>", node).matched;
        }
        if (!isColor) return undefined;
        found.push({ at: offset + node.loc.start.offset, property: declaration.property, notation: normalize(text()) });
        return csstree.walk.skip;
      });
    },
  });
}

// The CSS of an HTML page: <style> elements as style sheets, style attributes as declaration lists, in page order.
function htmlColors(page) {
  const found = [];
  const skipped = /<!--[\s\S]*?(-->|$)|<script\b[^>]*>[\s\S]*?(<\/script|$)/gi;
  const blank = page.replace(skipped, (m) => " ".repeat(m.length));
  for (const m of blank.matchAll(/<style\b[^>]*>([\s\S]*?)(<\/style|$)/gi)) {
    colorsOf(m[1], "stylesheet", m.index + m[0].indexOf(">") + 1, found);
  }
  for (const tag of blank.matchAll(/<[a-z][^\s>\/]*([^>]*)>/gi)) {
    for (const a of tag[1].matchAll(/(^|\s)style\s*=\s*("([^"]*)"|'([^']*)'|([^\s"'=<>`]+))/gi)) {
      const value = a[3] ?? a[4] ?? a[5];
      colorsOf(value, "declarationList", tag.index + 1 + tag[0].indexOf(a[0]), found);
    }
  }
  return found.sort((x, y) => x.at - y.at);
}

function expectedColors(file) {
  const text = readFileSync(file, "utf8");
  if (/\.css$/i.test(file)) {
    const found = [];
    colorsOf(text, "stylesheet", 0, found);
    return found;
  }
  return htmlColors(text);
}

function ourColors(file) {
  const result = spawnSync(cli, ["scan", "--all-notations", "--details", file], { maxBuffer: 1 << 28 });
  if (result.status !== 0) throw new Error(`${cli} failed on ${file}: ${result.stderr}`);
  return result.stdout
    .toString()
    .split("\n")
    .filter((line) => line !== "")
    .map((line) => {
      const [hex, property, notation] = line.split("\t");
      return { hex, property, notation: normalize(notation) };
    });
}

let failed = false;
for (const file of files) {
  const expected = expectedColors(file);
  const ours = ourColors(file);
  const problems = [];
  const count = Math.max(expected.length, ours.length);
  for (let i = 0; i < count && problems.length < 10; ++i) {
    const e = expected[i];
    const o = ours[i];
    if (!e || !o || e.property !== o.property || e.notation !== o.notation) {
      problems.push(`#${i}: css-tree ${e ? `${e.property}: ${e.notation}` : "nothing"}; ours ${o ? `${o.property}: ${o.notation}` : "nothing"}`);
    } else if (e.notation.startsWith("#") && hexValue(e.notation) !== o.hex) {
      problems.push(`#${i}: ${e.notation} read as ${o.hex}`);
    } else if (Color && NAMED.has(e.notation.toLowerCase()) && namedValue(e.notation) !== o.hex) {
      problems.push(`#${i}: ${e.notation} read as ${o.hex}, colorjs.io says ${namedValue(e.notation)}`);
    }
  }
  if (problems.length > 0) {
    failed = true;
    console.log(`${file}: css-tree finds ${expected.length} colours, we find ${ours.length}`);
    for (const p of problems) console.log(`  ${p}`);
  } else {
    console.log(`${file}: ${expected.length} colours, the same`);
  }
}
process.exit(failed ? 1 : 0);
