-- Tarmelka 2003: příprava databáze autoškoly pro záznamy žáků.
--
-- Spustí ho jednou vlastník databáze autoškoly (role s právem CREATEROLE,
-- nebo superuživatel):
--     psql -d autoskola -f tarmelka-skola.sql
-- Spustit ho lze znovu kdykoli: nic nezdvojí a práva obou skupin nastaví
-- znovu přesně tak, jak jsou popsána níže.
--
-- Co vytvoří:
--   schéma tarmelka, jehož vlastníkem je ten, kdo skript spustil. Tabulky
--     v něm založí a při nové verzi upraví sám program, když se k serveru
--     připojí jako tentýž vlastník;
--   skupinovou roli tarmelka_trida pro počítače v učebně: záznamy čte,
--     přidává a maže, ale nemění je (žádné UPDATE), nevyprazdňuje tabulky
--     (TRUNCATE) a tabulky nezakládá, nemění ani neruší;
--   skupinovou roli tarmelka_instruktor pro instruktora: jen čte.
-- Skupinové role se nepřihlašují; přihlašovací role si autoškola založí
-- sama (příklad je na konci).
--
-- Zabezpečení na úrovni řádků (row level security) záměrně nepoužíváme:
-- profil je jméno žáka napsané na počítači, ne ověřená identita. Všechny
-- počítače učebny se přihlašují stejnou rolí a žák přechází od počítače
-- k počítači, takže pravidlo podle profilu by žáky od sebe nerozeznalo.
-- Server skutečně vynutí jen to, co nastavují práva níže: žádné UPDATE,
-- žádné změny tabulek a instruktor jen čte.

\set ON_ERROR_STOP on

BEGIN;

DO $$
BEGIN
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'tarmelka_trida') THEN
        CREATE ROLE tarmelka_trida NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'tarmelka_instruktor') THEN
        CREATE ROLE tarmelka_instruktor NOLOGIN;
    END IF;
END
$$;

-- Skupiny se musí do databáze i připojit; kdyby autoškola odebrala právo
-- CONNECT všem (PUBLIC), dostanou ho tady samy.
DO $$
BEGIN
    EXECUTE format('GRANT CONNECT ON DATABASE %I TO tarmelka_trida, tarmelka_instruktor',
                   current_database());
END
$$;

CREATE SCHEMA IF NOT EXISTS tarmelka;

-- Napřed vše odebrat, pak přidělit: práva přidaná ručně nebo starší verzí
-- skriptu tak po novém spuštění nezůstanou.
REVOKE ALL ON SCHEMA tarmelka FROM PUBLIC, tarmelka_trida, tarmelka_instruktor;
GRANT USAGE ON SCHEMA tarmelka TO tarmelka_trida, tarmelka_instruktor;

-- Tabulky, které už existují (program se připojil jako vlastník dřív, než
-- skript běžel).
REVOKE ALL ON ALL TABLES IN SCHEMA tarmelka FROM PUBLIC, tarmelka_trida, tarmelka_instruktor;
GRANT SELECT, INSERT, DELETE ON ALL TABLES IN SCHEMA tarmelka TO tarmelka_trida;
GRANT SELECT ON ALL TABLES IN SCHEMA tarmelka TO tarmelka_instruktor;
REVOKE ALL ON ALL SEQUENCES IN SCHEMA tarmelka FROM PUBLIC, tarmelka_trida, tarmelka_instruktor;
GRANT USAGE, SELECT ON ALL SEQUENCES IN SCHEMA tarmelka TO tarmelka_trida;

-- Tabulky, které program založí později. Platí jen pro tabulky, které
-- založí role, jež skript spouští; proto se program při zakládání tabulek
-- připojuje jako tentýž vlastník. Kdyby je založil někdo jiný, stačí skript
-- spustit znovu.
ALTER DEFAULT PRIVILEGES IN SCHEMA tarmelka
    REVOKE ALL ON TABLES FROM tarmelka_trida, tarmelka_instruktor;
ALTER DEFAULT PRIVILEGES IN SCHEMA tarmelka
    GRANT SELECT, INSERT, DELETE ON TABLES TO tarmelka_trida;
ALTER DEFAULT PRIVILEGES IN SCHEMA tarmelka
    GRANT SELECT ON TABLES TO tarmelka_instruktor;
ALTER DEFAULT PRIVILEGES IN SCHEMA tarmelka
    REVOKE ALL ON SEQUENCES FROM tarmelka_trida, tarmelka_instruktor;
ALTER DEFAULT PRIVILEGES IN SCHEMA tarmelka
    GRANT USAGE, SELECT ON SEQUENCES TO tarmelka_trida;

COMMIT;

-- Přihlašovací role (příklad). Heslo zadejte v psql příkazem \password,
-- nikdy ho nepište do skriptu ani do nastavení programu; počítače ho mají
-- v souboru hesel knihovny libpq (~/.pgpass, ve Windows
-- %APPDATA%\postgresql\pgpass.conf).
--
--   CREATE ROLE ucebna LOGIN IN ROLE tarmelka_trida;
--   \password ucebna
--   CREATE ROLE instruktor LOGIN IN ROLE tarmelka_instruktor;
--   \password instruktor
--
-- V pg_hba.conf pak povolte přihlášení z učebny heslem, například:
--   hostssl autoskola ucebna,instruktor 192.168.1.0/24 scram-sha-256
--
-- Databáze převedená ze starší verze PostgreSQL než 15 může ještě všem
-- dovolovat zakládat tabulky ve schématu public; to zakážete příkazem
--   REVOKE CREATE ON SCHEMA public FROM PUBLIC;
