// The code `tintorium-cli scale` writes, read by css-tree (a real CSS parser) and colorjs.io: the custom
// properties and the @theme block parse without errors, hold exactly one declaration per step with the expected
// name, each value matches <color>, and colorjs.io reads it back as the step's colour of --format json.
// Usage: node scale_export_test.mjs PATH/TO/tintorium-cli
// Exit 0 when everything agrees, 1 on a disagreement, 77 (skipped) when the packages are not installed.
import { spawnSync } from "node:child_process";

let csstree, Color;
try {
  csstree = await import("css-tree");
  Color = (await import("colorjs.io")).default;
} catch {
  console.log("css-tree or colorjs.io is not installed: run `npm ci` in tests/js");
  process.exit(77);
}

const cli = process.argv[2];
let failures = 0;
const fail = (message) => {
  console.log(message);
  failures++;
};

function run(args) {
  const result = spawnSync(cli, ["scale", ...args], { encoding: "utf8" });
  if (result.status !== 0) fail(`scale ${args.join(" ")}: exit ${result.status}: ${result.stderr}`);
  return result.stdout;
}

const hexOf = (value) =>
  new Color(value)
    .to("srgb")
    .coords.map((c) => Math.round(Math.min(Math.max(c, 0), 1) * 255).toString(16).padStart(2, "0"))
    .join("")
    .toUpperCase();

const cases = [
  { base: "3b82f6", args: [] },
  { base: "808080", args: ["--steps", "tones"] },
  { base: "ff0000", args: ["--mode", "contrast", "--measure", "apca"] },
  { base: "0ea5e9", args: ["--hue-shift", "-30", "--name", "Sky Blue 2"] },
];
for (const { base, args } of cases) {
  const scale = JSON.parse(run([base, ...args, "--format", "json"]));
  for (const [form, prefix] of [["css", "--"], ["theme", "--color-"]]) {
    for (const notation of ["hex", "rgb", "oklch"]) {
      const label = `${base} ${args.join(" ")} ${form} ${notation}`;
      const css = run([base, ...args, "--format", form, "--notation", notation]);
      const errors = [];
      const ast = csstree.parse(css, { parseCustomProperty: true, onParseError: (e) => errors.push(e.message) });
      if (errors.length) fail(`${label}: ${errors.join("; ")}`);
      const rule = ast.children.first;
      if (form === "theme" ? rule?.type !== "Atrule" || rule.name !== "theme" : rule?.type !== "Rule")
        fail(`${label}: the block is a ${rule?.type} ${rule?.name ?? ""}`);
      const declarations = [];
      csstree.walk(ast, { visit: "Declaration", enter: (d) => declarations.push(d) });
      if (declarations.length !== scale.steps.length)
        fail(`${label}: ${declarations.length} declarations for ${scale.steps.length} steps`);
      declarations.forEach((declaration, i) => {
        const step = scale.steps[i];
        if (!step) return;
        const slug = scale.name.toLowerCase().replace(/[^a-z0-9]+/g, "-").replace(/^-|-$/g, "");
        const want = `${prefix}${slug}-${step.name}`;
        if (declaration.property !== want) fail(`${label}: ${declaration.property} where ${want} belongs`);
        const value = csstree.generate(declaration.value);
        const typed = csstree.parse(value, { context: "value" });
        if (!csstree.lexer.matchType("color", typed).matched) fail(`${label}: ${value} is no <color>`);
        if (hexOf(value) !== step.hex) fail(`${label}: ${value} reads as ${hexOf(value)}, not ${step.hex}`);
      });
    }
  }
}
console.log(failures ? `${failures} disagreements` : "every export parses and reads back");
process.exit(failures ? 1 : 0);
