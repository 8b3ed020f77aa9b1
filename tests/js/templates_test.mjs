// The shipped CSS and JavaScript templates, rendered by `tintorium-cli palette convert IN OUT --template FILE`
// from GIMP palettes of 0, 1 and 300 colours with awkward names: css-tree parses the CSS without a single error
// and finds one custom property per colour in the @theme block; Node imports the JavaScript module and finds
// every colour under a unique key with its name exactly as in the palette, and the JSON array parses.
// Usage: node templates_test.mjs PATH/TO/tintorium-cli TEMPLATES_DIR WORK_DIR
// Exit 0 when all agree, 1 on a disagreement, 77 (skipped) when css-tree is not installed.
import { spawnSync } from "node:child_process";
import { mkdirSync, readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { pathToFileURL } from "node:url";

let csstree;
try {
  csstree = await import("css-tree");
} catch {
  console.log("css-tree is not installed: run `npm ci` in tests/js (scripts/test does)");
  process.exit(77);
}

const [cli, templates, work] = process.argv.slice(2);
mkdirSync(work, { recursive: true });

const NAMES = ['Say "hi" & \'bye\'', "<b>bold</b>", "a--b */ c", "Grün 緑", "back\\slash", "${x} `tick` </script>",
               "a|b", "it's", "42"];
let failures = 0;
const fail = (message) => {
  console.log(`FAIL ${message}`);
  failures++;
};

function palette(count) {
  const rows = [];
  const expected = [];
  for (let i = 0; i < count; i++) {
    const rgb = [(i * 37) % 256, (i * 91) % 256, (i * 13) % 256];
    const name = NAMES[i % NAMES.length];
    rows.push(`${rgb.join(" ")}\t${name}`);
    expected.push({ name, hex: "#" + rgb.map((c) => c.toString(16).padStart(2, "0")).join("") });
  }
  const path = join(work, `palette-${count}.gpl`);
  writeFileSync(path, `GIMP Palette\nName: Tricky\n#\n${rows.join("\n")}\n`);
  return { path, expected };
}

function render(source, template, out) {
  const run = spawnSync(cli, ["palette", "convert", source, out, "--template", join(templates, template)],
                        { encoding: "utf8" });
  if (run.status !== 0) {
    fail(`${template}: tintorium-cli exited ${run.status}: ${run.stderr}`);
    return null;
  }
  return readFileSync(out, "utf8");
}

for (const count of [0, 1, 300]) {
  const { path, expected } = palette(count);

  const css = render(path, "css-theme.tpl", join(work, `theme-${count}.css`));
  if (css !== null) {
    const errors = [];
    const ast = csstree.parse(css, { onParseError: (e) => errors.push(e.formattedMessage ?? e.message) });
    if (errors.length) fail(`css-theme ${count}: ${errors[0]}`);
    const properties = [];
    csstree.walk(ast, {
      visit: "Declaration",
      enter(node) {
        if (node.property.startsWith("--color-")) properties.push([node.property, csstree.generate(node.value).trim()]);
      },
    });
    if (properties.length !== count) fail(`css-theme ${count}: ${properties.length} custom properties`);
    if (new Set(properties.map(([p]) => p)).size !== properties.length) fail(`css-theme ${count}: repeated names`);
    properties.forEach(([property, value], i) => {
      if (value.toLowerCase() !== expected[i].hex) fail(`css-theme ${property}: ${value}, not ${expected[i].hex}`);
    });
  }

  const jsPath = join(work, `palette-${count}.mjs`);
  if (render(path, "js-object.tpl", jsPath) !== null) {
    try {
      const module = await import(pathToFileURL(jsPath).href);
      const entries = Object.entries(module.palette);
      if (entries.length !== count) fail(`js-object ${count}: ${entries.length} keys`);
      if (module.default !== module.palette) fail(`js-object ${count}: default export`);
      entries.forEach(([, color], i) => {
        if (color.name !== expected[i].name) fail(`js-object ${i}: ${JSON.stringify(color.name)}`);
        if (color.hex !== expected[i].hex) fail(`js-object ${i}: ${color.hex}`);
      });
    } catch (error) {
      fail(`js-object ${count}: ${error}`);
    }
  }

  const json = render(path, "json-array.tpl", join(work, `palette-${count}.json`));
  if (json !== null) {
    try {
      const array = JSON.parse(json);
      if (array.length !== count) fail(`json-array ${count}: ${array.length} entries`);
      array.forEach((color, i) => {
        if (color.name !== expected[i].name) fail(`json-array ${i}: ${JSON.stringify(color.name)}`);
      });
    } catch (error) {
      fail(`json-array ${count}: ${error}`);
    }
  }
}

console.log(failures ? `${failures} failures` : "templates read back by css-tree and Node");
process.exit(failures ? 1 : 0);
