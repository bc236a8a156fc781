"""The SARIF log of quillomat-check is valid SARIF 2.1.0 and says what the JSON
output says.

tests/data/sarif-schema-2.1.0.json is the SARIF 2.1.0 JSON schema, the file
sarif-2.1.0.json of the npm package @microsoft/sarif-multitool-linux 5.7.0.

Usage: sarif_schema_test.py QUILLOMAT_CHECK SCHEMA SCRIPT
"""
import json
import os
import subprocess
import sys
import tempfile

try:
    import jsonschema
except ImportError:
    sys.exit("Erreur : le module jsonschema manque (paquet Debian python3-jsonschema, voir scripts/install-deps.sh).")

programme, chemin_schema, exemple = (os.path.abspath(a) for a in sys.argv[1:4])
with open(chemin_schema, encoding="utf-8") as f:
    schema = json.load(f)
Validateur = jsonschema.validators.validator_for(schema)
Validateur.check_schema(schema)
validateur = Validateur(schema, format_checker=Validateur.FORMAT_CHECKER)
echecs = []


def lancer(dossier, *args, entree=None):
    r = subprocess.run([programme, *args], cwd=dossier, input=entree, capture_output=True)
    return r.returncode, r.stdout.decode("utf-8")


def verifier(cas, condition, detail=""):
    if not condition:
        echecs.append(f"{cas}: {detail}")


with tempfile.TemporaryDirectory() as dossier:
    with open(exemple, "rb") as f:
        contenu = f.read()
    with open(os.path.join(dossier, "mon exemple.txt"), "wb") as f:
        f.write(contenu)
    os.mkdir(os.path.join(dossier, "sous dossier"))
    with open(os.path.join(dossier, "sous dossier", "propre.txt"), "wb") as f:
        f.write(b"scn Propre\n")

    # (case, arguments, standard input, exit status)
    cas = [
        ("script fautif", ["mon exemple.txt"], None, 2),
        ("dossier", ["."], None, 2),
        ("script propre", ["sous dossier/propre.txt"], None, 0),
        ("entrée standard", ["-"], contenu, 2),
        ("script absent", ["absent.txt", "mon exemple.txt"], None, 1),
        ("chemin absolu", [os.path.join(dossier, "mon exemple.txt")], None, 2),
    ]
    for nom, args, entree, statut in cas:
        code, sortie = lancer(dossier, "-f", "sarif", *args, entree=entree)
        verifier(nom, code == statut, f"statut {code} au lieu de {statut}")
        journal = json.loads(sortie)
        verifier(nom, journal.get("$schema", "").endswith("/sarif-schema-2.1.0.json"), "$schema absent")
        for erreur in validateur.iter_errors(journal):
            echecs.append(f"{nom}: {erreur.json_path}: {erreur.message}")

        # Results and rules agree, and the results are the JSON output's findings.
        run = journal["runs"][0]
        regles = run["tool"]["driver"]["rules"]
        _, sortie_json = lancer(dossier, "-f", "json", *args, entree=entree)
        constats = [c for s in json.loads(sortie_json)["scripts"] for c in s.get("constats", [])]
        verifier(nom, len(run["results"]) == len(constats), f"{len(run['results'])} résultats, {len(constats)} constats")
        for resultat, constat in zip(run["results"], constats):
            regle = regles[resultat["ruleIndex"]]
            verifier(nom, regle["id"] == resultat["ruleId"] == constat["code"], f"{resultat['ruleId']} / {constat}")
            niveau = "warning" if constat["nature"] == "alerte" else "error"
            verifier(nom, resultat["level"] == regle["defaultConfiguration"]["level"] == niveau, resultat["ruleId"])
            verifier(nom, resultat["message"]["text"] == constat["texte"], resultat["message"]["text"])
            lieu = resultat["locations"][0]["physicalLocation"]
            verifier(nom, lieu.get("region", {}).get("startLine") == constat["ligne"], str(lieu))
        verifier(nom, run["invocations"][0]["executionSuccessful"] == (statut != 1), "executionSuccessful")

    # The rules are the messages: one per code, each with its meaning.
    _, sortie = lancer(dossier, "-f", "sarif", "mon exemple.txt")
    regles = json.loads(sortie)["runs"][0]["tool"]["driver"]["rules"]
    codes = [r["id"] for r in regles]
    verifier("règles", len(codes) == len(set(codes)) and len(codes) >= 100, "codes répétés ou trop peu nombreux")
    verifier("règles", all(r["shortDescription"]["text"] for r in regles), "règle sans sens")
    resultats = json.loads(sortie)["runs"][0]["results"]
    verifier("fichier", resultats[0]["locations"][0]["physicalLocation"]["artifactLocation"]["uri"] == "mon%20exemple.txt",
             "l'espace du nom de fichier n'est pas encodé")

    # The schema does refuse a log that is not SARIF 2.1.0.
    faux = json.loads(sortie)
    faux["runs"][0]["results"][0]["level"] = "grave"
    verifier("journal faux", not validateur.is_valid(faux), "un niveau inconnu est accepté")

for e in echecs:
    print(e)
print(f"{len(cas)} journaux SARIF vérifiés : {len(echecs)} faute(s).")
sys.exit(1 if echecs else 0)
